#include "core/documents/companion_page_parts.h"
#include "core/documents/companion_pages.h"
#include "core/law/decree_text.h"
#include "core/numbers/date_text.h"
#include "core/valuation/rates_by_date.h"

namespace velmora {
namespace {

using namespace pages;

// 1 + the rate, as the discount factor reads: "1,002" for 0,2 %.
QString Step(int rateHundredths) {
  QString fraction = QString::number(rateHundredths % 10000).rightJustified(4, u'0');
  while (fraction.endsWith(u'0')) fraction.chop(1);
  const QString whole = QString::number(1 + rateHundredths / 10000);
  return fraction.isEmpty() ? whole : whole + u',' + fraction;
}

}  // namespace

QString LegislationPage(const LegalData& law) {
  const LegalRatePeriod* legal = PeriodOn(law, QDate(kDefaultTableYear, 1, 1));
  const LifetimeCoefficients* table = CoefficientsOf(law, kDefaultTableYear);
  if (!legal || !table || law.coefficients.empty()) return Page(QString(), QString());
  const TabellaVitalizio shares = LifetimeTableOf(*table);
  const RigaVitalizio& firstBand = shares.Righe().front();
  const RigaVitalizio& lastBand = shares.Righe()[kAgeBands - 1];
  const QString firstBandText = BandText(0);
  const QString lastBandText = BandText(kAgeBands - 1);
  const QString inForceFrom = ActLongDateText(legal->from);
  const RateFloor* floor = law.floors.empty() ? nullptr : &law.floors.front();
  const QString longest = QString::number(FixedTermTableAt(legal->rateHundredths).Righe().size());

  QStringList out{
      QStringLiteral("<h1>Normativa: valore dell'usufrutto e della nuda proprietà</h1>")};
  const QString added = AddedDataNote(law);
  if (!added.isEmpty()) out << added;
  QString body =
      QStringLiteral(
          R"(<p>Sintesi delle norme su cui si basa il calcolo di Velmora. Le disposizioni sono riassunte
con parole proprie, non riportate alla lettera: per il testo vigente si consultino le fonti
ufficiali.</p>

<h2>D.P.R. 26 aprile 1986, n. 131 (testo unico dell'imposta di registro)</h2>
<h3>Art. 48 - Usufrutto, uso e abitazione</h3>
<ul>
<li>Per la nuda proprietà la base imponibile è la differenza tra il valore della piena
proprietà e il valore dell'usufrutto (o dell'uso o dell'abitazione).</li>
<li>Il valore dell'usufrutto si determina come quello di una rendita: l'annualità è il valore
della piena proprietà moltiplicato per il saggio degli interessi legali, e la rendita si valuta
secondo le regole dell'art. 46.</li>
</ul>
<h3>Art. 46 - Rendite e pensioni</h3>
<ul>
<li>Rendita o pensione <b>a tempo determinato</b>: il valore è la somma delle annualità
attualizzate al saggio degli interessi legali. Per l'usufrutto di <i>n</i> anni la quota è
quindi 1 &minus; (1 + saggio)<sup>&minus;<i>n</i></sup> (si veda la
<a href="TabelleUsufruttoTempoDeterminato.htm">tabella dell'usufrutto a tempo
determinato</a>).</li>
<li>Rendita o pensione <b>vitalizia</b>: il valore si ottiene moltiplicando l'annualità per il
coefficiente indicato nel prospetto allegato al testo unico, secondo l'età del beneficiario
(dalla fascia %1 anni alla fascia %2 anni).</li>
<li>Il prospetto dei coefficienti viene aggiornato con decreto del Ministro dell'economia e
delle finanze quando varia il saggio degli interessi legali; il coefficiente moltiplicato per
il saggio dà la percentuale dell'usufrutto sul valore della piena proprietà.</li>
</ul>)")
          .arg(firstBandText, lastBandText);
  if (floor) {
    body +=
        QStringLiteral(R"(
<p class="note">Dal %1 il saggio da usare per questi calcoli non può essere
inferiore %2 (%4): i coefficienti del %1 e degli anni seguenti sono calcolati %3 anche quando il saggio legale è più basso.</p>)")
            .arg(QString::number(floor->from.year()), RateWith(Article::Al, floor->floorHundredths),
                 RateWith(Article::Al, floor->floorHundredths, u"\n"),
                 floor->statute.toHtmlEscaped());
  }
  body += QStringLiteral(R"(
<p>Le stesse regole di valutazione sono richiamate anche ai fini dell'imposta sulle successioni
e donazioni (D.Lgs. 31 ottobre 1990, n. 346).</p>

<h2>Art. 1284 del codice civile - Saggio degli interessi legali</h2>
<ul>
<li>Il saggio degli interessi legali è stabilito dalla legge e può essere modificato ogni anno
con decreto del Ministro dell'economia e delle finanze, pubblicato nella Gazzetta Ufficiale
entro il 15 dicembre dell'anno precedente a quello a cui si riferisce.</li>
<li>La nuova misura tiene conto del rendimento medio annuo lordo dei titoli di Stato di durata
non superiore a dodici mesi e del tasso di inflazione registrato nell'anno; si applica dal
1° gennaio dell'anno seguente.</li>
</ul>

<h2>I decreti per il %1</h2>
<ul>
<li><b>%2</b>: il saggio degli interessi
legali è fissato %3 annuo, con decorrenza dal
%4.</li>
<li><b>%5</b>: sono adeguati al nuovo saggio
i coefficienti per la determinazione dei diritti di usufrutto a vita e delle rendite o
pensioni vitalizie del prospetto allegato al D.P.R. 131/1986, per gli atti dal
%4: dal coefficiente %6
(usufrutto %7, fascia %8 anni) al
coefficiente %9 (usufrutto %10,
fascia %11 anni).</li>
</ul>
<p>Le tabelle complete, anche degli anni precedenti e successivi, sono nella pagina
<a href="TabelleUsufrutto.htm">Tabelle dell'usufrutto vitalizio</a>.</p>
)")
              .arg(QString::number(kDefaultTableYear), Escape(DecreeCitedText(legal->setBy)),
                   RateWith(Article::Al, legal->rateHundredths), inForceFrom,
                   Escape(DecreeCitedText(table->decree)),
                   Figure(CoefficientText(table->coefficientHundredths.front())),
                   firstBand.percUsufrutto, firstBandText,
                   Figure(CoefficientText(table->coefficientHundredths.back())),
                   lastBand.percUsufrutto, lastBandText);
  body +=
      QStringLiteral(R"(
<h2>Come calcola Velmora</h2>
<p>Il menu <b>Saggio</b> della finestra principale sceglie il saggio dei calcoli; la scelta
resta valida anche alle aperture successive del programma.</p>
<ul>
<li><b>Saggio %1 (tabella %2)</b>, la scelta iniziale: i calcoli
usano il saggio e i coefficienti in vigore dal %3, qualunque sia
la data di riferimento.</li>
<li><b>Saggio in vigore alla data di riferimento</b>: i calcoli usano il saggio degli
interessi legali in vigore alla data scritta nella casella «data odierna o inserire altra
data» (la data dell'atto)%4. L'usufrutto vitalizio usa i coefficienti
del prospetto dell'anno di quella data (dal %5 al %6).
Il programma rifiuta una data per cui non conosce il saggio (prima del
%7 o dopo il %8) e, per
l'usufrutto vitalizio, un anno senza coefficienti. Il riquadro giallo in alto indica il saggio
usato; passandovi sopra con il mouse si leggono il decreto che lo fissa e quello dei
coefficienti.</li>
</ul>
<ul>
<li><b>Usufrutto vitalizio</b>: valore della piena proprietà &times; saggio &times;
coefficiente della fascia di età dell'usufruttuario, in anni compiuti alla data di
riferimento; da 100 anni in su il programma attribuisce all'usufrutto valore zero.</li>
<li><b>Usufrutto a tempo determinato</b> (da 1 a %9 anni): valore della piena
proprietà &times; (1 &minus; (1 + saggio)<sup>&minus;<i>n</i></sup>), con la quota
arrotondata a quattro decimali (%10:
1 &minus; %11<sup>&minus;<i>n</i></sup>).</li>
<li>Il valore dell'usufrutto è arrotondato al centesimo; la nuda proprietà è la differenza
tra la piena proprietà e l'usufrutto.</li>
</ul>)")
          .arg(RateWith(Article::Di, legal->rateHundredths), QString::number(kDefaultTableYear),
               inForceFrom,
               floor ? QStringLiteral(", e dal %1 %2")
                           .arg(ActLongDateText(floor->from),
                                QStringLiteral("almeno ") +
                                    RateWith(Article::Il, floor->floorHundredths, u"\n"))
                     : QString(),
               QString::number(law.coefficients.front().year),
               QString::number(law.coefficients.back().year),
               ActLongDateText(law.rates.front().from), ActLongDateText(law.rates.back().to),
               longest, RateWith(Article::Al, legal->rateHundredths), Step(legal->rateHundredths));
  out << body;
  return Page(QStringLiteral("Normativa: valore dell'usufrutto e della nuda proprietà"),
              out.join(u'\n'));
}

}  // namespace velmora
