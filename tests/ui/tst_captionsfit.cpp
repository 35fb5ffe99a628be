// Every caption of the secondary windows shows whole at the windows' design
// size, in the fonts of the platform the tests run on.
#include "CaptionFit.h"
#include "lexicon/AppGlobals.h"
#include "lexicon/InternalErrorReport.h"
#include "lexicon/LexiconData.h"
#include "ui/windows/FrmConseils.h"
#include "ui/windows/FrmDicOrtho.h"
#include "ui/windows/FrmListSyno.h"
#include "ui/windows/FrmMail.h"
#include "ui/windows/FrmMessage.h"
#include "ui/windows/FrmPropos.h"

#include <QTest>

namespace {
void verifyCaptionsFit(QWidget &window)
{
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QStringList clipped = clippedTexts(&window);
    QVERIFY2(clipped.isEmpty(), qPrintable(window.objectName() + QStringLiteral(": ")
                                           + clipped.join(QStringLiteral(" | "))));
}
} // namespace

class TestCaptionsFit : public QObject {
    Q_OBJECT
private slots:
    void secondaryWindows()
    {
        QWidget main;
        {
            FrmConseils window(&main);
            verifyCaptionsFit(window);
        }
        {
            FrmPropos window(&main);
            verifyCaptionsFit(window);
        }
        {
            FrmMail window(&main);
            verifyCaptionsFit(window);
        }
        {
            FrmMessage window;
            verifyCaptionsFit(window);
        }
        {
            FrmDicOrtho window(QString(), &main, [](const QString &, int) { return std::optional<QByteArray>(); });
            verifyCaptionsFit(window);
        }
        {
            LexiconData data;
            FrmListSyno window(data, InternalErrorReport::instance(), &main);
            verifyCaptionsFit(window);
        }
    }
};

QTEST_MAIN(TestCaptionsFit)
#include "tst_captionsfit.moc"
