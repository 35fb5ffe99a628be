#include "verse/VerseTypes.h"

QString VerseWarningKey(VerseWarningCode code)
{
    switch (code) {
    case VerseWarningCode::GenreAlternation: return QStringLiteral("alternance");
    case VerseWarningCode::SingularPlural: return QStringLiteral("singulier-pluriel");
    case VerseWarningCode::SelfRhyme: return QStringLiteral("rime-du-meme-mot");
    case VerseWarningCode::Hiatus: return QStringLiteral("hiatus");
    case VerseWarningCode::OffMetre: return QStringLiteral("hors-metre");
    case VerseWarningCode::Caesura: return QStringLiteral("cesure");
    }
    return {};
}

QString RhymeQualityKeyword(RhymeQuality quality)
{
    switch (quality) {
    case RhymeQuality::Poor: return QStringLiteral("pauvre");
    case RhymeQuality::Sufficient: return QStringLiteral("suffisante");
    case RhymeQuality::Rich: return QStringLiteral("riche");
    }
    return {};
}
