// The secondary windows for screen readers, the keyboard and the desktop
// look: every control has a name to be read aloud, every captioned button its
// own Alt letter, the picture buttons act as buttons, and with the desktop
// look the windows give up their title strip and their own colours.
#include "VisibleControls.h"
#include "lexicon/AppGlobals.h"
#include "lexicon/InternalErrorReport.h"
#include "lexicon/LexiconData.h"
#include "ui/windows/AccessibleNames.h"
#include "ui/windows/FrmAtelier.h"
#include "ui/windows/FrmConseils.h"
#include "ui/windows/FrmDicOrtho.h"
#include "ui/windows/FrmListSyno.h"
#include "ui/windows/FrmMail.h"
#include "ui/windows/FrmMessage.h"
#include "ui/windows/FrmOption.h"
#include "ui/windows/FrmOrtho.h"
#include "ui/windows/FrmPropos.h"
#include "ui/windows/FrmZErr.h"
#include "ui/windows/OpenWithDialog.h"
#include "ui/windows/WindowChrome.h"

#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSet>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <functional>
#include <optional>
#include <memory>

namespace {
using WindowMaker = std::function<std::unique_ptr<QWidget>(QWidget *main)>;

std::optional<QByteArray> noData(const QString &, int)
{
    return std::nullopt;
}

struct Window {
    const char *name;
    WindowMaker make;
    bool keepsItsDress; // the About and loading windows are pictures of their own
};

QList<Window> secondaryWindows(const QString &recoveryFolder)
{
    static LexiconData data;
    return {
        {"options", [](QWidget *main) { return std::make_unique<FrmOption>(AppGlobals::instance().preferences, main); }, false},
        {"conseils", [](QWidget *main) { return std::make_unique<FrmConseils>(main); }, false},
        {"mail", [](QWidget *main) { return std::make_unique<FrmMail>(main); }, false},
        {"message", [](QWidget *) { return std::make_unique<FrmMessage>(); }, false},
        {"orthographe", [](QWidget *main) { return std::make_unique<FrmDicOrtho>(QStringLiteral("poésie"), main, noData); }, false},
        {"vérification", [](QWidget *main) { return std::make_unique<FrmOrtho>(main, noData); }, false},
        {"synonymes", [](QWidget *main) { return std::make_unique<FrmListSyno>(data, InternalErrorReport::instance(), main); }, false},
        {"erreur", [](QWidget *) { return std::make_unique<FrmZErr>(InternalErrorReport::instance()); }, false},
        {"lien", [](QWidget *) { return std::make_unique<OpenWithDialog>(QStringLiteral("https://exemple.fr")); }, false},
        {"atelier", [recoveryFolder](QWidget *) { return std::make_unique<FrmAtelier>(recoveryFolder); }, false},
        {"à propos", [](QWidget *main) { return std::make_unique<FrmPropos>(main); }, true},
    };
}

QString accessibleName(QWidget *widget)
{
    QAccessibleInterface *face = QAccessible::queryAccessibleInterface(widget);
    return face ? face->text(QAccessible::Name).trimmed() : QString();
}

QString describe(const QWidget *widget)
{
    return QString::fromLatin1(widget->metaObject()->className()) + QLatin1Char(' ') + widget->objectName();
}

void showAndWait(QWidget &window)
{
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
}
} // namespace

class TestWindowsAccess : public QObject {
    Q_OBJECT
private slots:
    void init() { AppGlobals::instance().preferences.desktopLook = 0; }
    void cleanup() { AppGlobals::instance().preferences.desktopLook = 0; }

    void namesComeFromCaptionsBuddiesAndTooltips()
    {
        QWidget root;
        auto *captioned = new QPushButton(QStringLiteral("&Copier"), &root);
        auto *tipped = new QLineEdit(&root);
        tipped->setToolTip(QStringLiteral("Le mot"));
        auto *labelled = new QLineEdit(&root);
        auto *caption = new QLabel(QStringLiteral("&Prénom"), &root);
        caption->setBuddy(labelled);
        auto *named = new QPushButton(QStringLiteral("X"), &root);
        named->setAccessibleName(QStringLiteral("Fermer"));
        NameControlsFromTheirTexts(&root);
        QCOMPARE(captioned->accessibleName(), QStringLiteral("Copier"));
        QCOMPARE(tipped->accessibleName(), QStringLiteral("Le mot"));
        QCOMPARE(tipped->accessibleDescription(), QStringLiteral("Le mot"));
        QCOMPARE(labelled->accessibleName(), QStringLiteral("Prénom"));
        QCOMPARE(named->accessibleName(), QStringLiteral("Fermer"));
        QVERIFY(caption->accessibleName().isEmpty()); // a caption is no control
    }

    // A picture button is read as a button, and pressing it through the
    // screen reader clicks it.
    void pictureButtonsArePressable()
    {
        QWidget main;
        FrmConseils window(&main);
        QAccessibleInterface *face = QAccessible::queryAccessibleInterface(window.ImgClose);
        QVERIFY(face);
        QCOMPARE(face->role(), QAccessible::Button);
        QCOMPARE(face->text(QAccessible::Name), QStringLiteral("Fermer"));
        QAccessibleActionInterface *actions = face->actionInterface();
        QVERIFY(actions);
        QSignalSpy clicked(window.ImgClose, &HoverPicture::clicked);
        actions->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(clicked.count(), 1);
    }

    // Every control is named, every captioned button has one Alt letter of
    // its own in its window, and Tab never lands out of sight.
    void everyWindowIsNamedAndKeyed()
    {
        QTemporaryDir recovery;
        QWidget main;
        for (const Window &entry : secondaryWindows(recovery.path())) {
            const std::unique_ptr<QWidget> window = entry.make(&main);
            showAndWait(*window);
            QStringList faults;
            QSet<QChar> letters;
            for (QWidget *control : visibleControls(*window)) {
                if (accessibleName(control).isEmpty())
                    faults << QStringLiteral("sans nom : ") + describe(control);
                const auto *button = qobject_cast<QAbstractButton *>(control);
                if (!button || button->text().trimmed().size() < 2)
                    continue;
                const QString text = button->text();
                const qsizetype mark = text.indexOf(QLatin1Char('&'));
                if (mark < 0 || mark + 1 >= text.size()) {
                    faults << QStringLiteral("sans touche : ") + text;
                    continue;
                }
                const QChar letter = text.at(mark + 1).toLower();
                if (letters.contains(letter))
                    faults << QStringLiteral("touche en double : ") + text;
                letters.insert(letter);
            }
            for (QWidget *w : window->findChildren<QWidget *>()) {
                const QRect area(w->mapTo(window.get(), QPoint(0, 0)), w->size());
                if ((w->focusPolicy() & Qt::TabFocus) && w->isVisibleTo(window.get())
                    && !window->rect().intersects(area))
                    faults << QStringLiteral("hors de vue mais atteint par Tab : ") + describe(w);
            }
            QVERIFY2(faults.isEmpty(), qPrintable(QString::fromUtf8(entry.name) + QStringLiteral(" : ")
                                                  + faults.join(QStringLiteral(" | "))));
        }
    }

    // With the desktop look the window's content starts at its top (the
    // desktop's title bar stands for the strip) and no style sheet paints a
    // colour of the design over the palette's.
    void desktopLookGivesUpStripAndColours()
    {
        QTemporaryDir recovery;
        QWidget main;
        static const QRegularExpression colour(QStringLiteral("(^|[;{\\s])(color|background|border)[\\w-]*\\s*:"));
        for (const Window &entry : secondaryWindows(recovery.path())) {
            if (entry.keepsItsDress)
                continue;
            AppGlobals::instance().preferences.desktopLook = 1;
            const std::unique_ptr<QWidget> window = entry.make(&main);
            showAndWait(*window);
            QVERIFY(!(window->windowFlags() & Qt::FramelessWindowHint));
            QStringList faults;
            int top = window->height();
            for (QWidget *w : window->findChildren<QWidget *>()) {
                if (colour.match(w->styleSheet()).hasMatch())
                    faults << describe(w) + QStringLiteral(" : ") + w->styleSheet();
                if (w->isVisible() && w->parentWidget() == window.get() && w->y() >= 0)
                    top = std::min(top, w->y());
            }
            if (colour.match(window->styleSheet()).hasMatch())
                faults << window->styleSheet();
            if (top > 16)
                faults << QStringLiteral("bande vide en haut : %1 px").arg(top);
            QVERIFY2(faults.isEmpty(), qPrintable(QString::fromUtf8(entry.name) + QStringLiteral(" : ")
                                                  + faults.join(QStringLiteral(" | "))));
        }
    }
};

QTEST_MAIN(TestWindowsAccess)
#include "tst_windows_access.moc"
