#include "ui/windows/FrmOption.h"
#include "ui/windows/AccessibleNames.h"
#include "ui/windows/MessageBoxes.h"

#include "ui/windows/LookColours.h"
#include "ui/windows/OptionHelp.h"
#include "ui/windows/WindowChrome.h"
#include "ui/windows/WindowParts.h"

#include <QCheckBox>
#include <QKeyEvent>
#include <QCloseEvent>
#include <QGroupBox>
#include <QMessageBox>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>

using Chrome::twips;

namespace {
// The window's design size, in twips.
constexpr int kDesignWidth = 5475, kDesignHeight = 3435;
constexpr int kTitleHeight = 26, kBandWidth = 56, kBoxLeft = kBandWidth + 16, kIndent = 20;
constexpr int kFirstRow = 40, kRowStep = 25, kIconColumnGap = 14;
} // namespace

FrmOption::FrmOption(AppPreferences &preferences, QWidget *mainWindow, QWidget *parent)
    : QWidget(parent, Look::windowFlags(Qt::Window)), m_preferences(preferences), m_mainWindow(mainWindow)
{
    WindowParts::setUpSecondaryWindow(this, QStringLiteral("FrmOption"), QStringLiteral("Options du programme"));
    build();
    NameControlsFromTheirTexts(this);
    Look::fitToDesktop(this, kTitleHeight);
    WindowParts::placeUpperCentre(this);
    if (m_mainWindow)
        m_mainWindow->setEnabled(false);

    showInformation = [this](const QString &text) {
        MessageBoxes::show(this, QMessageBox::Information, text);
    };

    TimDeb.setSingleShot(true);
    TimDeb.setInterval(ShowDelayMs);
    connect(&TimDeb, &QTimer::timeout, this, &FrmOption::deferredShow);
    TimDeb.start();
}

FrmOption::~FrmOption()
{
    unload();
}

QPointer<FrmOption> FrmOption::open(AppPreferences &preferences, QWidget *mainWindow)
{
    // Owned by itself: it is deleted when closed.
    auto *window = new FrmOption(preferences, mainWindow);
    window->setAttribute(Qt::WA_DeleteOnClose);
    return window;
}

void FrmOption::build()
{
    setStyleSheet(QStringLiteral("FrmOption { background: %1; border: 1px solid rgb(88, 128, 190); }"
                                 "QCheckBox:disabled { color: %2; }")
                      .arg(Look::css(QPalette::Window, QColor(236, 236, 240)),
                           Look::css(QPalette::PlaceholderText, QColor(140, 140, 140))));

    ChkOpt = new QCheckBox(QStringLiteral("&Enregistrer les paramètres de la recherche."), this);
    ChkDoub = new QCheckBox(QStringLiteral("Afficher les &doublons  ( décoché conseillé )."), this);
    ChkMess = new QCheckBox(QStringLiteral("Afficher  les  &informations  secondaires."), this);
    ChkOrtho = new QCheckBox(QStringLiteral("Utiliser le &correcteur orthographique."), this);
    ChkPM = new QCheckBox(QStringLiteral("Inclure les mots ayant une lettre de &plus ou de moins."), this);
    ChkAlpha = new QCheckBox(QStringLiteral("Classer les rimes par ordre &alphabétique."), this);
    ChkSansAttente = new QCheckBox(QStringLiteral("Afficher les &résultats sans attendre."), this);
    ChkBureau = new QCheckBox(QStringLiteral("Utiliser l'apparence du &bureau"), this);
    const std::array<QCheckBox *, 8> boxes {ChkOpt,   ChkDoub,  ChkMess,        ChkOrtho,
                                            ChkPM,    ChkAlpha, ChkSansAttente, ChkBureau};

    // The design size, unless the captions need more room in this font.
    int widest = 0;
    for (int i = 0; i < int(boxes.size()); ++i)
        widest = std::max(widest, (i == 4 ? kIndent : 0) + boxes[i]->sizeHint().width());
    const int width = std::max(twips(kDesignWidth), kBoxLeft + widest + kIconColumnGap + 16 + 14);
    // Three rows more than the design for the order, waiting and look choices.
    setFixedSize(width, twips(kDesignHeight) + 3 * kRowStep);

    WindowParts::addTitleBand(this, QStringLiteral("Options du programme"), kTitleHeight);
    WindowParts::addIconBand(this, QRect(1, kTitleHeight, kBandWidth, height() - kTitleHeight - 1));

    const int iconLeft = width - 16 - 14;
    for (int i = 0; i < int(boxes.size()); ++i) {
        const int top = kFirstRow + i * kRowStep;
        const int left = kBoxLeft + (i == 4 ? kIndent : 0);
        boxes[i]->setGeometry(left, top, iconLeft - kIconColumnGap - left, 20);
        boxes[i]->setFocusPolicy(Qt::TabFocus);
        ImgAide[i] = new InfoIcon(this);
        ImgAide[i]->move(iconLeft, top + 2);
        ImgAide[i]->setAccessibleName(QStringLiteral("Aide : ")
                                      + QString(boxes[i]->text()).remove(QLatin1Char('&')).simplified());
        connect(ImgAide[i], &InfoIcon::clicked, this, [this, i] { showHelp(i); });
    }

    connect(ChkOpt, &QCheckBox::clicked, this, [this] { flagClicked(ChkOpt, &AppPreferences::saveSearchOptions); });
    connect(ChkDoub, &QCheckBox::clicked, this, [this] { flagClicked(ChkDoub, &AppPreferences::showDuplicates); });
    connect(ChkMess, &QCheckBox::clicked, this,
            [this] { flagClicked(ChkMess, &AppPreferences::showSecondaryMessages); });
    connect(ChkPM, &QCheckBox::clicked, this, [this] { flagClicked(ChkPM, &AppPreferences::spellPlusMinusOne); });
    connect(ChkAlpha, &QCheckBox::clicked, this,
            [this] { flagClicked(ChkAlpha, &AppPreferences::alphabeticalOrder); });
    connect(ChkSansAttente, &QCheckBox::clicked, this,
            [this] { flagClicked(ChkSansAttente, &AppPreferences::resultsAtOnce); });
    connect(ChkBureau, &QCheckBox::clicked, this, [this] { flagClicked(ChkBureau, &AppPreferences::desktopLook); });
    connect(ChkOrtho, &QCheckBox::clicked, this, &FrmOption::spellCheckClicked);

    CmdFermer = new SkinnedButton(QStringLiteral("  &Fermer "), this);
    CmdFermer->setGeometry(width - 14 - 100, height() - 12 - 26, 100, 26);
    connect(CmdFermer, &QPushButton::clicked, this, &QWidget::close);

    // The theme cannot be chosen: its frame lies beyond the window's right
    // edge, out of sight and out of the tab order.
    FraTheme = new QGroupBox(QStringLiteral("Habillage, thème"), this);
    FraTheme->setGeometry(width + 40, kFirstRow, 160, 150);
    auto *themeLayout = new QVBoxLayout(FraTheme);
    const std::array<QString, 5> themes {QStringLiteral("Automne"), QStringLiteral("Printemps"),
                                         QStringLiteral("Eté"), QStringLiteral("Hivers"), QStringLiteral("xxx")};
    for (int i = 0; i < int(themes.size()); ++i) {
        OptTheme[i] = new QRadioButton(themes[i], FraTheme);
        themeLayout->addWidget(OptTheme[i]);
        connect(OptTheme[i], &QRadioButton::clicked, this, [this, i] {
            Foc->setFocus();
            m_preferences.theme = i;
        });
    }
    FraTheme->hide();

    Foc = WindowParts::addFocusHolder(this);
    connect(Foc, &QPushButton::clicked, this, &QWidget::close);
}

void FrmOption::deferredShow()
{
    TimDeb.stop();
    show();
    // A theme outside the five buttons (an edited file) selects none.
    if (m_preferences.theme >= 0 && m_preferences.theme < int(OptTheme.size()))
        OptTheme[m_preferences.theme]->setChecked(true);
    ChkOpt->setChecked(m_preferences.saveSearchOptions == 1);
    ChkDoub->setChecked(m_preferences.showDuplicates == 1);
    ChkMess->setChecked(m_preferences.showSecondaryMessages == 1);
    if (m_preferences.spellCheckOn == 1) {
        ChkOrtho->setChecked(true);
        spellCheckClicked();
    } else {
        ChkPM->setEnabled(false);
    }
    ChkPM->setChecked(m_preferences.spellPlusMinusOne == 1);
    ChkAlpha->setChecked(m_preferences.alphabeticalOrder == 1);
    ChkSansAttente->setChecked(m_preferences.resultsAtOnce == 1);
    ChkBureau->setChecked(m_preferences.desktopLook == 1);
    Foc->setFocus();
    activateWindow();
}

void FrmOption::flagClicked(QCheckBox *box, int AppPreferences::*preference)
{
    Foc->setFocus();
    m_preferences.*preference = box->isChecked() ? 1 : 0;
}

void FrmOption::spellCheckClicked()
{
    Foc->setFocus();
    const bool on = ChkOrtho->isChecked();
    m_preferences.spellCheckOn = on ? 1 : 0;
    // ChkPM keeps its value while disabled, and so does its preference.
    ChkPM->setEnabled(on);
    emit spellCheckChanged(on);
}

void FrmOption::setSpellCheck(bool on)
{
    ChkOrtho->setChecked(on);
    ChkPM->setEnabled(on);
}

void FrmOption::showHelp(int index)
{
    if (showInformation)
        showInformation(OptionHelp::text(index));
}

void FrmOption::closeEvent(QCloseEvent *event)
{
    unload();
    QWidget::closeEvent(event);
}

void FrmOption::keyPressEvent(QKeyEvent *event)
{
    // Enter anywhere in the window acts on the default button.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        Foc->click();
        return;
    }
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

void FrmOption::unload()
{
    if (m_unloaded)
        return;
    m_unloaded = true;
    TimDeb.stop();
    if (m_mainWindow)
        m_mainWindow->setEnabled(true);
    emit closed();
}
