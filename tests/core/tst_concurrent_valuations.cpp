#include <QDate>
#include <QStringList>
#include <QtTest>
#include <random>
#include <thread>
#include <variant>
#include <vector>

#include "core/valuation/valuation_record.h"
#include "legal_data_for_tests.h"

using namespace velmora;

namespace {

using Esito = std::variant<RecordValutazione, Rifiuto>;

// Every input kind the program values, drawn from one seed: one life and
// several, fixed terms with and without a beneficiary, both taxes, both rates,
// reference dates over the years the data cover and a little beyond.
std::vector<IngressiLetti> Cases(int count, quint64 seed) {
  std::mt19937_64 random(seed);
  auto pick = [&random](int from, int to) {
    return std::uniform_int_distribution<int>(from, to)(random);
  };
  std::vector<IngressiLetti> cases;
  for (int i = 0; i < count; ++i) {
    IngressiLetti in;
    in.tipo = pick(0, 1) ? TipoValutazione::Vitalizio : TipoValutazione::TempoDeterminato;
    in.saggio = pick(0, 1) ? Saggio::AllaData : Saggio::Tabella2016;
    in.imposta = pick(0, 1) ? Imposta::Registro : Imposta::Successioni;
    in.diritto = Diritto(pick(0, 2));
    in.valore = pick(1, 500'000'000) / 100.0;
    const QDate reference(pick(2010, 2027), pick(1, 12), pick(1, 28));
    in.riferimento = reference;
    const int lives = in.tipo == TipoValutazione::Vitalizio ? pick(1, 3) : pick(0, 1);
    for (int life = 0; life < lives; ++life)
      in.nascite.append(reference.addDays(-pick(0, 110 * 365)));
    if (in.nascite.size() > 1) in.accrescimento = pick(0, 1) == 1;
    if (in.tipo == TipoValutazione::TempoDeterminato) {
      in.anni = pick(1, 31);
      if (in.imposta == Imposta::Registro) in.nascite.clear();
    }
    cases.push_back(in);
  }
  return cases;
}

// What a valuation gave, every figure and citation in one line.
QString Summary(const Esito& esito) {
  if (const auto* refusal = std::get_if<Rifiuto>(&esito))
    return QStringLiteral("rifiuto ") + QString::number(int(refusal->campo)) + u' ' +
           QString::number(int(refusal->motivo)) + u' ' + QString::number(refusal->vita);
  const auto& r = std::get<RecordValutazione>(esito);
  QStringList parts{r.ValoreTesto(),
                    r.UsufruttoTesto(),
                    r.NudaProprietaTesto(),
                    r.percUsufrutto,
                    QString::number(r.quota.value_or(-1)),
                    QString::number(r.saggioCentesimi),
                    r.fascia,
                    QString::number(r.annoCoefficienti),
                    r.normaBase,
                    r.normaMinimo,
                    r.normaVite,
                    r.normaLimite,
                    r.prossimaFascia ? r.prossimaFascia->percUsufrutto : QString(),
                    r.limite ? r.limite->percVitalizio : QString()};
  if (r.allaData)
    parts << QString::number(r.allaData->saggioCentesimi)
          << QString::number(r.allaData->quota.value_or(-1));
  return parts.join(u'|');
}

}  // namespace

// One immutable legal data shared by many threads valuing at once: the
// figures are the ones a single thread gives, and (under ThreadSanitizer) no
// valuation writes what another reads.
class TestConcurrentValuations : public QObject {
  Q_OBJECT

 private slots:
  void manyThreadsGiveTheFiguresOfOne_data() {
    QTest::addColumn<int>("threads");
    QTest::addColumn<int>("count");
    QTest::addColumn<quint64>("seed");
    QTest::newRow("8 threads, 10 000 cases") << 8 << 10000 << quint64(20261209);
    QTest::newRow("3 threads, uneven shares") << 3 << 1001 << quint64(31);
  }
  void manyThreadsGiveTheFiguresOfOne() {
    QFETCH(int, threads);
    QFETCH(int, count);
    QFETCH(quint64, seed);
    const DatiLegaliCondivisi law = test::LawWith({});
    const std::vector<IngressiLetti> cases = Cases(count, seed);

    std::vector<QString> alone;
    for (const IngressiLetti& in : cases) alone.push_back(Summary(ValutaLetti(in, *law)));

    std::vector<QString> together(cases.size());
    std::vector<std::thread> running;
    for (int t = 0; t < threads; ++t) {
      // Interleaved, so that the threads value neighbouring cases at once.
      running.emplace_back([&, t] {
        for (std::size_t i = std::size_t(t); i < cases.size(); i += std::size_t(threads))
          together[i] = Summary(ValutaLetti(cases[i], *law));
      });
    }
    for (std::thread& thread : running) thread.join();

    int valued = 0;
    for (std::size_t i = 0; i < cases.size(); ++i) {
      QCOMPARE(together[i], alone[i]);
      if (!alone[i].startsWith(u"rifiuto")) ++valued;
    }
    // The cases reach the figures, not only the refusals.
    QVERIFY2(valued > count / 2, qPrintable(QString::number(valued)));
  }
};

QTEST_APPLESS_MAIN(TestConcurrentValuations)
#include "tst_concurrent_valuations.moc"
