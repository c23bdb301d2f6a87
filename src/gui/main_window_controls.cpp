#include <QApplication>
#include <QCursor>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <array>
#include <optional>
#include <tuple>
#include <vector>

#include "gui/action_button.h"
#include "gui/colours.h"
#include "gui/fonts.h"
#include "gui/frame_box.h"
#include "gui/layout.h"
#include "gui/main_window.h"
#include "gui/pictures.h"
#include "gui/window_texts.h"

// The controls of the main window as designed: places in twips, colours,
// faces, tab order, tooltips and the names screen readers say.
namespace velmora {
namespace {

QPixmap ScreenPicture(const QString& name) {
  return Picture(name, qApp->devicePixelRatio());
}

QCursor HandPointer() {
  const QPixmap p = ScreenPicture(QStringLiteral("pointer"));
  return p.isNull() ? QCursor(Qt::PointingHandCursor) : QCursor(p, 10, 1);
}

}  // namespace

void Frmusufrutto::CreateControls() {
  client_ = new QWidget(this);
  client_->setObjectName(QStringLiteral("client"));
  client_->setFixedSize(Px(11869), Px(6500));
  SetBackColor(client_, colore::Grigio);
  // The window's own blue foreground is for what it draws itself; its
  // controls keep the default black text.
  setCentralWidget(client_);

  // The background logo, under every control.
  auto* logo = new QLabel(client_);
  logo->setObjectName(QStringLiteral("logo"));
  logo->setPixmap(ScreenPicture(QStringLiteral("logo")));
  logo->setGeometry(0, 0, 50, 45);
  logo->setAttribute(Qt::WA_TransparentForMouseEvents);

  struct Style {
    std::optional<QRgb> back, fore;
    Face face = Face::Default;
    Qt::Alignment align = Qt::AlignLeft;
  };
  std::vector<std::pair<int, QWidget*>> tabIndex;
  auto setUp = [&](QWidget* w, const char* name, const Style& s, int tab) {
    w->setObjectName(QString::fromLatin1(name));
    w->setFont(FontFor(s.face));
    if (s.back) SetBackColor(w, *s.back);
    if (s.fore) SetForeColor(w, *s.fore);
    if (tab >= 0) tabIndex.emplace_back(tab, w);
  };
  auto textBox = [&](QWidget* in, const char* name, std::array<int, 4> r, const Style& s, int tab) {
    auto* e = new QLineEdit(in);
    Place(e, r[0], r[1], r[2], r[3]);
    e->setAlignment(s.align | Qt::AlignVCenter);
    e->setTextMargins(0, 0, 0, 0);
    setUp(e, name, s, tab);
    return e;
  };
  auto label = [&](QWidget* in, const char* name, std::array<int, 4> r, const QString& caption,
                   const Style& s, int tab) {
    auto* l = new QLabel(caption, in);
    Place(l, r[0], r[1], r[2], r[3]);
    l->setAlignment(s.align | Qt::AlignVCenter);
    l->setWordWrap(true);
    l->setAutoFillBackground(true);
    setUp(l, name, s, tab);
    return l;
  };
  auto image = [&](QWidget* in, const char* name, std::array<int, 4> r, const QString& picture) {
    auto* l = new QLabel(in);
    Place(l, r[0], r[1], r[2], r[3]);
    l->setPixmap(ScreenPicture(picture));
    l->setScaledContents(true);
    l->setObjectName(QString::fromLatin1(name));
    return l;
  };
  auto frame = [&](const char* name, std::array<int, 4> r, const QString& caption, const Style& s,
                   int tab) {
    auto* g = new FrameBox(caption, client_);
    Place(g, r[0], r[1], r[2], r[3]);
    setUp(g, name, s, tab);
    return g;
  };
  auto option = [&](const char* name, std::array<int, 4> r, const QString& caption, const Style& s,
                    int tab) {
    auto* o = new ActionButton(caption, Frame1);
    Place(o, r[0], r[1], r[2], r[3]);
    setUp(o, name, s, tab);
    return o;
  };

  const QRgb grey = colore::Grigio;
  // In the order of creation of the control table.
  Frame3 = frame("Frame3", {7920, 3720, 2772, 1452}, text::kFixedTermFrame,
                 {colore::MagentaChiaro, {}, Face::BoldSans}, 23);
  Text1 = textBox(Frame3, "Text1", {1080, 240, 576, 300},
                  {colore::Argento, {}, Face::BoldSans, Qt::AlignHCenter}, 10);
  Image5_1 = image(Frame3, "Image5_1", {1200, 720, 324, 204}, QStringLiteral("image5"));
  Label12 = label(Frame3, "Label12", {360, 960, 2055, 375}, text::kYearsCaption,
                  {{}, {}, Face::Default, Qt::AlignHCenter}, 24);
  Frame2 = frame("Frame2", {7920, 1080, 2772, 2415}, text::kLifetimeFrame,
                 {colore::VerdeChiaro, {}, Face::BoldSans}, 21);
  D2 =
      textBox(Frame2, "D2", {120, 1320, 2415, 375}, {{}, {}, Face::BoldSans, Qt::AlignHCenter}, 31);
  D1 = textBox(Frame2, "D1", {120, 240, 2415, 375},
               {colore::GialloChiaro, colore::Nero, Face::Tahoma, Qt::AlignHCenter}, 9);
  Label6 = label(Frame2, "Label6", {120, 1800, 2415, 375}, text::kReferenceCaption,
                 {colore::Bianco, {}, Face::Default, Qt::AlignHCenter}, 30);
  Label1 = label(Frame2, "Label1", {120, 840, 2415, 375}, text::kBirthCaption,
                 {colore::GialloChiaro, {}, Face::Default}, 22);
  Image5_0 = image(Frame2, "Image5_0", {1200, 600, 324, 204}, QStringLiteral("image5"));
  R7 = textBox(client_, "R7", {6840, 4920, 612, 300},
               {{}, colore::Blu, Face::BoldSans, Qt::AlignHCenter}, 0);
  PP = textBox(client_, "PP", {8520, 360, 2172, 372},
               {colore::CianoChiaro, colore::Blu, Face::TahomaBold, Qt::AlignRight}, 8);
  Frame1 = frame("Frame1", {4095, 240, 3324, 4200}, QString(),
                 {colore::BluChiaro, {}, Face::Default}, 16);
  Picture1 = new QLabel(Frame1);
  Place(Picture1, 2574, 2457, 676, 676);
  Picture1->setObjectName(QStringLiteral("Picture1"));
  Picture1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  Picture1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  Picture1->setPixmap(ScreenPicture(QStringLiteral("picture1")));
  Option1 = option("Option1", {240, 720, 2886, 612}, text::kLifetimeOption,
                   {colore::VerdeChiaro, {}, Face::BoldSans}, 27);
  Option2 = option("Option2", {240, 1560, 2886, 612}, text::kFixedTermOption,
                   {colore::Rosa, {}, Face::BoldSans}, 26);
  Option6 = option("Option6", {234, 3393, 2886, 612}, text::kPrintOption,
                   {grey, colore::Rosso, Face::BoldSans}, 19);
  option5 = option("option5", {240, 3393, 2410, 320}, text::kParkingOption,
                   {grey, {}, Face::Default}, 18);
  option5->setVisible(false);
  option5->setChecked(true);
  Option3 = option("Option3", {234, 2457, 2772, 612}, text::kWorkbookOption,
                   {colore::CianoChiaro, {}, Face::BoldSans}, 28);
  // Its text states the rate in use (ShowRateHeading).
  Label2 = label(Frame1, "Label2", {0, 0, 3372, 564}, QString(),
                 {colore::Giallo, {}, Face::Default, Qt::AlignHCenter}, 20);
  R6 = textBox(client_, "R6", {5568, 4920, 560, 300},
               {{}, colore::Blu, Face::BoldSans, Qt::AlignHCenter}, 1);
  R5 = textBox(client_, "R5", {4200, 4920, 560, 300},
               {{}, colore::Blu, Face::BoldSans, Qt::AlignHCenter}, 2);
  PERCNP =
      textBox(client_, "PERCNP", {240, 4680, 1212, 350}, {{}, colore::Rosso, Face::BoldSans}, 3);
  PERCUSU =
      textBox(client_, "PERCUSU", {240, 2640, 1212, 350}, {{}, colore::Rosso, Face::BoldSans}, 4);
  PERCNP->setText(text::kPercentSign);
  PERCUSU->setText(text::kPercentSign);
  US = textBox(client_, "US", {1440, 2640, 1935, 350}, {{}, colore::VerdeScuro, Face::BoldSans}, 5);
  NP = textBox(client_, "NP", {1440, 4680, 1935, 350}, {{}, colore::Blu, Face::BoldSans}, 6);
  Label10 = new QLabel(client_);
  Place(Label10, 7920, 360, 2772, 852);
  Label10->setObjectName(QStringLiteral("Label10"));
  Label9 = label(client_, "Label9", {7920, 360, 492, 300}, text::kEuroCaption,
                 {colore::Bianco, colore::Blu, Face::TahomaBold, Qt::AlignHCenter}, 17);
  Label7 = label(client_, "Label7", {5568, 4680, 804, 300}, text::kMonthsCaption,
                 {grey, {}, Face::BoldSans}, 15);
  Label8 = label(client_, "Label8", {6888, 4680, 804, 300}, text::kDaysCaption,
                 {grey, {}, Face::BoldSans}, 14);
  Image1 = image(client_, "Image1", {2400, 360, 324, 324}, QStringLiteral("calculator"));
  coefficiente = label(client_, "coefficiente", {7920, 720, 2772, 252}, text::kValueCaption,
                       {colore::Bianco, {}, Face::Default, Qt::AlignHCenter}, 13);
  Label5 = label(client_, "Label5", {4248, 4680, 804, 300}, text::kYearsOfAgeCaption,
                 {grey, {}, Face::BoldSans}, 12);
  Label4 = label(client_, "Label4", {240, 5040, 3135, 195}, text::kBareOwnershipCaption,
                 {colore::Salmone, colore::Nero, Face::BoldSans, Qt::AlignHCenter}, 11);
  Label3 = label(client_, "Label3", {240, 3000, 3132, 192}, text::kUsufructCaption,
                 {colore::VerdeChiaro, {}, Face::BoldSans, Qt::AlignHCenter}, 7);

  // Labels take the default colours where the table gives none; text boxes,
  // frames, option buttons and the picture box lie above labels and images.
  for (QWidget* w : std::initializer_list<QWidget*>{Frame3, Frame2, Frame1, Text1, D2, D1, R7, PP,
                                                    R6, R5, PERCNP, PERCUSU, US, NP, Option1,
                                                    Option2, Option6, Option3, Picture1})
    w->raise();

  SetTabOrder(std::move(tabIndex));

  Text1->setToolTip(text::kYearsTip);
  D1->setToolTip(text::kBirthTip);
  Label1->setToolTip(text::kBirthCaptionTip);
  PP->setToolTip(text::kValueTip);
  Option1->setToolTip(text::kLifetimeTip);
  Option2->setToolTip(text::kFixedTermTip);
  Option3->setToolTip(text::kWorkbookTip);
  Label10->setToolTip(text::kResetTip);
  Image1->setToolTip(text::kCalculatorTip);
  coefficiente->setToolTip(text::kValueCaptionTip);

  DescribeForScreenReaders();

  const QCursor pointer = HandPointer();
  for (QWidget* w : std::initializer_list<QWidget*>{Option1, Option2, Option3, Option6, Image1})
    w->setCursor(pointer);
}

void Frmusufrutto::DescribeForScreenReaders() {
  const std::initializer_list<std::tuple<QWidget*, const char*, const char*>> names = {
      {PP, "Valore della piena proprietà",
       "Importo in euro con la virgola per i decimali; doppio click per azzerare tutti i campi"},
      {D1, "Data di nascita dell'usufruttuario",
       "Otto cifre senza separatori: giorno, mese, anno per intero, per esempio 16081946"},
      {D2, "Data di riferimento", "La data odierna, oppure un'altra data come 16 agosto 1946"},
      {Text1, "Durata dell'usufrutto in anni",
       "Numero intero di anni da 1 a 30; doppio click per azzerare i campi"},
      {R5, "Età dell'usufruttuario: anni", "Anni compiuti alla data di riferimento"},
      {R6, "Età dell'usufruttuario: mesi", "Mesi oltre gli anni compiuti, da 0 a 11"},
      {R7, "Età dell'usufruttuario: giorni", "Giorni oltre i mesi, da 0 a 29, a mesi di 30 giorni"},
      {PERCUSU, "Percentuale dell'usufrutto", "Quota dell'usufrutto sulla piena proprietà"},
      {US, "Valore dell'usufrutto", "Valore dell'usufrutto in euro"},
      {PERCNP, "Percentuale della nuda proprietà",
       "Quota della nuda proprietà sulla piena proprietà"},
      {NP, "Valore della nuda proprietà", "Valore della nuda proprietà in euro"},
      {Option1, "Calcola l'usufrutto vitalizio",
       "Dal valore della piena proprietà e dall'età dell'usufruttuario"},
      {Option2, "Calcola l'usufrutto a tempo determinato",
       "Dal valore della piena proprietà e dal numero di anni di durata"},
      {Option3, "Valutazione automatica",
       "Apre il foglio di calcolo della valutazione dalla rendita catastale"},
      {Option6, "Stampa", "Sceglie la stampante e stampa la finestra"},
      {Image1, "Calcolatrice", "Avvia la calcolatrice"},
  };
  for (const auto& [control, name, description] : names) {
    control->setAccessibleName(QString::fromUtf8(name));
    control->setAccessibleDescription(QString::fromUtf8(description));
  }
}

}  // namespace velmora
