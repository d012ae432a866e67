#include "analysis/analysis.hpp"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QShortcut>
#include <algorithm>
#include <cmath>
#include <complex>

namespace fv {

using namespace harmonics;

namespace {

constexpr int kWidth = 12600, kHeight = 9600;
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// Every value of a component can be read (a field that is not a number gives NaN).
bool readable(const Component& c) {
  return std::isfinite(c.order) && std::isfinite(c.vPeak) && std::isfinite(c.vAngle) && std::isfinite(c.iPeak) &&
         std::isfinite(c.iAngle);
}

bool allReadable(const std::vector<Component>& cs) { return std::all_of(cs.begin(), cs.end(), readable); }

// The components that can be read; the others leave their figures blank.
std::vector<Component> readableOnes(const std::vector<Component>& cs) {
  std::vector<Component> out;
  std::copy_if(cs.begin(), cs.end(), std::back_inserter(out), readable);
  return out;
}

double percent(double part, double whole) { return whole > 0 ? 100 * part / whole : kNaN; }

}  // namespace

AnalysisWindow::AnalysisWindow(FormHost& host, Form& work, Provider provider)
    : Form(host, QStringLiteral("Analysis"), kWidth, kHeight, pal::grey),
      work_(work),
      provider_(std::move(provider)),
      spectrum_((build(analysisLayout()), surface(QStringLiteral("spectrum")))),
      phasors_(surface(QStringLiteral("phasors"))),
      problem_(text(QStringLiteral("problem"))) {
  // It belongs to its work window (and goes with it) but is a window of its own.
  setParent(&work, Qt::Window);
  setWindowTitle(tx(QStringLiteral("Analysis.title")).arg(work.windowTitle()));

  table_ = new QPlainTextEdit(this);
  table_->setReadOnly(true);
  table_->setLineWrapMode(QPlainTextEdit::NoWrap);
  table_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  adopt(table_, QStringLiteral("table"), {120, 1260, 6120, 7620}, nullptr, {"Courier New", 9.6});
  table_->installEventFilter(this);

  text(QStringLiteral("amplitude")).setText(QStringLiteral("100"));
  text(QStringLiteral("duty")).setText(QStringLiteral("50"));
  text(QStringLiteral("highest")).setText(QStringLiteral("15"));
  text(QStringLiteral("order")).setText(QStringLiteral("3"));
  const AnalysisInput::Kind kind = provider_().kind;
  for (const char* name : {"amplitudeLabel", "amplitude", "dutyLabel", "duty", "highestLabel", "highest"})
    control(QLatin1String(name)).setVisible(kind == AnalysisInput::Kind::Pulses);
  for (const char* name : {"orderLabel", "order"})
    control(QLatin1String(name)).setVisible(kind == AnalysisInput::Kind::ThreePhase);
  for (const char* name : {"amplitude", "duty", "highest", "order"}) onChange(name, [this] { refresh(); });

  onClick("copy", [this] { copyTable(); });
  onClick("csv", [this] { saveCsvDialog(); });
  // Ctrl+C copies the whole table unless the table has a selection of its own.
  auto* copy = new QShortcut(QKeySequence::Copy, this);
  copy->setContext(Qt::WindowShortcut);
  connect(copy, &QShortcut::activated, this, [this] { copyTable(); });

  // It follows its window: after each handler, and as a field changes while nothing runs.
  connect(&work, &Form::handlerEnded, this, [this] { refresh(); });
  for (TextField* f : work.findChildren<TextField*>())
    if (f->window() == &work)
      connect(f, &TextField::changed, this, [this] {
        if (!work_.running()) refresh();
      });
}

void AnalysisWindow::showEvent(QShowEvent* e) {
  Form::showEvent(e);
  if (dirty_) refresh();
}

bool AnalysisWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == table_ && event->type() == QEvent::KeyPress &&
      static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy) && !table_->textCursor().hasSelection()) {
    copyTable();
    return true;
  }
  return Form::eventFilter(watched, event);
}

QString AnalysisWindow::num(double v, const char* pattern) const {
  return std::isfinite(v) ? fmt(v, pattern) : QStringLiteral("—");
}

// An order as a student writes it: "3", "1,5" (no separator after a whole number).
QString AnalysisWindow::orderText(double order) const {
  QString t = num(order, "0.##");
  if (t.size() > 1 && !t.back().isDigit() && t != QStringLiteral("—")) t.chop(1);
  return t;
}

void AnalysisWindow::add(const QString& name, double value, const char* unit, const char* pattern) {
  rows_.push_back({name, num(value, pattern), QString::fromUtf8(unit)});
}

void AnalysisWindow::addText(const QString& name, const QString& value, const QString& unit) {
  rows_.push_back({name, value, unit});
}

void AnalysisWindow::refresh() {
  // A hidden analysis waits until it is shown again.
  if (!isVisible()) {
    dirty_ = true;
    return;
  }
  dirty_ = false;
  rows_.clear();
  problem_.setText(QString());
  const AnalysisInput in = provider_();
  if (!in.badField.isEmpty()) problem_.setText(tx(QStringLiteral("Analysis.bad")).arg(in.badField));
  spectrum_.cls();
  phasors_.cls();
  switch (in.kind) {
    case AnalysisInput::Kind::SinglePhase:
      singlePhase(in);
      break;
    case AnalysisInput::Kind::ThreePhase:
      threePhase(in);
      break;
    case AnalysisInput::Kind::Pulses:
      pulses();
      break;
  }
  showTable();
}

// A field of this window that is not a number: named in the top line, like the work window's.
namespace {
std::optional<double> readOwn(const Form& f, const QString& name, QString& bad) {
  const auto v = f.peek(f.text(name));
  if (!v && bad.isEmpty()) bad = f.tx(QStringLiteral("Analysis.") + name + QStringLiteral("Label"));
  return v;
}
}  // namespace

void AnalysisWindow::singlePhase(const AnalysisInput& in) {
  if (in.components.empty()) return;  // nothing drawn since the last Reset
  const std::vector<Component> good = readableOnes(in.components);
  const Analysis a = analyse(good);
  const bool whole = good.size() == in.components.size();
  // A component that could not be read leaves its own rows blank.
  for (const Component& c : in.components)
    if (!readable(c)) addText(tx(QStringLiteral("Analysis.unread")).arg(orderText(c.order)), QStringLiteral("—"));
  double v1 = 0, i1 = 0;
  for (const OrderFigures& o : a.orders)
    if (o.order == 1) v1 = o.vRms, i1 = o.iRms;
  std::vector<Bar> bars;
  for (const OrderFigures& o : a.orders) {
    const QString h = orderText(o.order);
    add(tx(QStringLiteral("Analysis.vPeak")).arg(h), o.vPeak, "V");
    add(tx(QStringLiteral("Analysis.vRms")).arg(h), o.vRms, "V");
    add(tx(QStringLiteral("Analysis.vAngle")).arg(h), o.vAngle, "°");
    add(tx(QStringLiteral("Analysis.iPeak")).arg(h), o.iPeak, "A");
    add(tx(QStringLiteral("Analysis.iRms")).arg(h), o.iRms, "A");
    add(tx(QStringLiteral("Analysis.iAngle")).arg(h), o.iAngle, "°");
    add(tx(QStringLiteral("Analysis.p")).arg(h), o.p, "W");
    add(tx(QStringLiteral("Analysis.q")).arg(h), o.q, "var");
    if (!o.harmonic && o.order != 1) addText(tx(QStringLiteral("Analysis.interApart")).arg(h), QStringLiteral("—"));
    bars.push_back({h, percent(o.vRms, v1), percent(o.iRms, i1)});
  }
  // The totals depend on every component: one that cannot be read blanks them all.
  const Totals t = whole ? a.totals : Totals{kNaN, kNaN, kNaN, kNaN, kNaN, kNaN, kNaN, kNaN, kNaN, kNaN, kNaN, kNaN};
  add(tx(QStringLiteral("Analysis.trueVRms")), t.vRms, "V");
  add(tx(QStringLiteral("Analysis.trueIRms")), t.iRms, "A");
  add(tx(QStringLiteral("Analysis.thdV")), 100 * t.thdV, "%");
  add(tx(QStringLiteral("Analysis.thdI")), 100 * t.thdI, "%");
  add(tx(QStringLiteral("Analysis.pTotal")), t.p, "W");
  add(tx(QStringLiteral("Analysis.s")), t.s, "VA");
  add(tx(QStringLiteral("Analysis.pf")), t.pf, "", "0.000");
  add(tx(QStringLiteral("Analysis.dpf")), t.dpf, "", "0.000");
  add(tx(QStringLiteral("Analysis.vCrest")), t.vCrest, "", "0.000");
  add(tx(QStringLiteral("Analysis.iCrest")), t.iCrest, "", "0.000");
  drawSpectrum(bars, true);
  drawPhasors(good);
}

void AnalysisWindow::threePhase(const AnalysisInput& in) {
  static const char* const kPhase[] = {"R", "S", "T"};
  if (in.phases[0].empty() && in.phases[1].empty() && in.phases[2].empty()) return;
  bool whole = true;
  std::array<std::vector<Component>, 3> good;
  for (int p = 0; p < 3; ++p) {
    good[p] = readableOnes(in.phases[p]);
    whole = whole && allReadable(in.phases[p]);
  }
  const ThreePhase tp = analyseThreePhase(good);
  for (int p = 0; p < 3; ++p) {
    const QString ph = QLatin1String(kPhase[p]);
    const Analysis& a = tp.phase[p];
    for (const OrderFigures& o : a.orders) {
      const QString h = orderText(o.order);
      add(tx(QStringLiteral("Analysis.phase.vRms")).arg(ph, h), o.vRms, "V");
      add(tx(QStringLiteral("Analysis.phase.iRms")).arg(ph, h), o.iRms, "A");
      add(tx(QStringLiteral("Analysis.phase.p")).arg(ph, h), o.p, "W");
      add(tx(QStringLiteral("Analysis.phase.q")).arg(ph, h), o.q, "var");
    }
    const auto total = [&](double v) { return whole ? v : kNaN; };
    add(tx(QStringLiteral("Analysis.phase.trueVRms")).arg(ph), total(a.totals.vRms), "V");
    add(tx(QStringLiteral("Analysis.phase.trueIRms")).arg(ph), total(a.totals.iRms), "A");
    add(tx(QStringLiteral("Analysis.phase.thdV")).arg(ph), total(100 * a.totals.thdV), "%");
    add(tx(QStringLiteral("Analysis.phase.thdI")).arg(ph), total(100 * a.totals.thdI), "%");
    add(tx(QStringLiteral("Analysis.phase.pf")).arg(ph), total(a.totals.pf), "", "0.000");
    add(tx(QStringLiteral("Analysis.phase.dpf")).arg(ph), total(a.totals.dpf), "", "0.000");
  }
  std::vector<Bar> bars;
  double i1 = 0;
  for (const OrderFigures& o : tp.phase[0].orders)
    if (o.order == 1) i1 = o.iRms;
  for (const NeutralOrder& n : tp.neutral) {
    const QString h = orderText(n.order);
    const char* seq = n.sequence == Sequence::Positive   ? "+"
                      : n.sequence == Sequence::Negative ? "−"
                      : n.sequence == Sequence::Zero     ? "0"
                                                         : "";
    addText(tx(QStringLiteral("Analysis.sequence")).arg(h),
            *seq ? QString::fromUtf8(seq) : tx(QStringLiteral("Analysis.noSequence")));
    add(tx(QStringLiteral("Analysis.neutral")).arg(h), n.rms, "A");
    double phaseI = kNaN;
    for (const OrderFigures& o : tp.phase[0].orders)
      if (o.order == n.order) phaseI = o.iRms;
    bars.push_back({h, percent(phaseI, i1), percent(n.rms, i1)});
  }
  const double neutral = whole ? tp.neutralRms : kNaN, phase = whole ? tp.phaseRms : kNaN;
  add(tx(QStringLiteral("Analysis.neutralRms")), neutral, "A");
  add(tx(QStringLiteral("Analysis.phaseRms")), phase, "A");
  add(tx(QStringLiteral("Analysis.neutralRatio")), percent(neutral, phase), "%");
  drawSpectrum(bars, true);
  QString bad;
  const auto order = readOwn(*this, QStringLiteral("order"), bad);
  if (!bad.isEmpty() && in.badField.isEmpty()) problem_.setText(tx(QStringLiteral("Analysis.bad")).arg(bad));
  drawThreePhasors(in, order ? *order : kNaN);
}

void AnalysisWindow::pulses() {
  QString bad;
  const auto amplitude = readOwn(*this, QStringLiteral("amplitude"), bad);
  const auto duty = readOwn(*this, QStringLiteral("duty"), bad);
  const auto highest = readOwn(*this, QStringLiteral("highest"), bad);
  if (!bad.isEmpty()) problem_.setText(tx(QStringLiteral("Analysis.bad")).arg(bad));
  const PulseTrain p{amplitude ? *amplitude : kNaN, duty ? *duty / 100 : kNaN};
  // A row and a bar each, up to order 20: the Gibbs overshoot has settled by then,
  // and the table still reads on one screen.
  const int n = highest && std::isfinite(*highest) ? int(std::clamp(std::round(*highest), 0.0, 20.0)) : -1;
  const double c1 = pulseCoefficient(p, 1);
  std::vector<Bar> bars;
  add(tx(QStringLiteral("Analysis.pulse.mean")), pulseMean(p), "V");
  for (int h = 1; h <= n; ++h) {
    const double c = pulseCoefficient(p, h);
    add(tx(QStringLiteral("Analysis.pulse.coefficient")).arg(h), c, "V");
    bars.push_back({QString::number(h), percent(c, c1), kNaN});
  }
  add(tx(QStringLiteral("Analysis.pulse.rms")), pulseRms(p), "V");
  add(tx(QStringLiteral("Analysis.pulse.thd")), 100 * pulseThd(p), "%");
  const std::vector<PartialError> errors = n >= 1 ? partialSumErrors(p, n) : std::vector<PartialError>{};
  for (int h = 1; h <= n; ++h) {
    const PartialError& e = errors[size_t(h - 1)];
    add(tx(QStringLiteral("Analysis.pulse.rmsError")).arg(h), e.rms, "V");
    add(tx(QStringLiteral("Analysis.pulse.maxError")).arg(h), e.maxDeviation, "V");
  }
  if (n < 1) add(tx(QStringLiteral("Analysis.pulse.rmsError")).arg(QStringLiteral("n")), kNaN, "V");
  drawSpectrum(bars, false);
  drawPulses(p, n);
}

void AnalysisWindow::showTable() {
  QString shown;
  int width = 0;
  for (const Row& r : rows_) width = std::max<int>(width, r.name.size());
  for (const Row& r : rows_)
    shown +=
        r.name.leftJustified(width + 2) + r.value.rightJustified(12) + QLatin1Char(' ') + r.unit + QLatin1Char('\n');
  if (rows_.empty()) shown += tx(QStringLiteral("Analysis.nothing"));
  table_->setPlainText(shown);
}

QString AnalysisWindow::tableText(bool header) const {
  QString out;
  if (header) out += tx(QStringLiteral("Analysis.header")) + QLatin1Char('\n');
  for (const Row& r : rows_)
    out += r.name + QLatin1Char('\t') + r.value + QLatin1Char('\t') + r.unit + QLatin1Char('\n');
  return out;
}

void AnalysisWindow::copyTable() { QApplication::clipboard()->setText(tableText(false)); }

bool AnalysisWindow::saveCsv(const QString& path) {
  const SaveResult r = saveBytes(path, tableText(true).toUtf8());
  if (!r.ok) showMessage(tx(QStringLiteral("Analysis.notSaved")).arg(r.path, saveFailure(r)));
  return r.ok;
}

void AnalysisWindow::saveCsvDialog() {
  auto* dialog = new QFileDialog(this, tx(QStringLiteral("Analysis.csvTitle")));
  dialog->setObjectName(QStringLiteral("csvDialog"));
  dialog->setAttribute(Qt::WA_DeleteOnClose);
  dialog->setAcceptMode(QFileDialog::AcceptSave);
  dialog->setNameFilter(QStringLiteral("CSV (*.csv)"));
  dialog->setDefaultSuffix(QStringLiteral("csv"));
  dialog->setDirectory(QDir::homePath());
  dialog->selectFile(work_.objectName() + QStringLiteral("-analise.csv"));
  connect(dialog, &QFileDialog::fileSelected, this, [this](const QString& path) { saveCsv(path); });
  dialog->open();
}

AnalysisWindow* analysisOf(const Form& work) {
  return work.findChild<AnalysisWindow*>(QString(), Qt::FindDirectChildrenOnly);
}

AnalysisWindow& showAnalysis(FormHost& host, Form& work, const AnalysisWindow::Provider& provider) {
  AnalysisWindow* a = analysisOf(work);
  if (!a) a = new AnalysisWindow(host, work, provider);
  a->showNormal();
  a->raise();
  a->activateWindow();
  a->refresh();
  return *a;
}

}  // namespace fv
