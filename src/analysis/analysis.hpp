// The analysis window of a work window: the spectrum, the phasors and the
// figures an installation is judged by (THD, true RMS, power factors, crest
// factor, neutral current), worked out as textbook values for what the
// student typed in that window, and redrawn whenever the window's handlers end.
#pragma once

#include <QPointF>
#include <QString>
#include <functional>
#include <memory>
#include <vector>

#include "core/harmonics.hpp"
#include "forms/analysisinput.hpp"
#include "forms/form.hpp"

class QPlainTextEdit;

namespace fv {

// The controls of the window, in building order.
const std::vector<Ctl>& analysisLayout();

class AnalysisWindow : public Form {
  Q_OBJECT
 public:
  // What the work window gives: its fields read as components.
  using Provider = std::function<AnalysisInput()>;
  AnalysisWindow(FormHost& host, Form& work, Provider provider);

  // One figure of the table: its name, its value as shown ("—" when it
  // cannot be worked out) and its unit.
  struct Row {
    QString name, value, unit;
  };

  // Works everything out again from the work window's fields and redraws.
  void refresh();
  const std::vector<Row>& rows() const { return rows_; }
  // The table as tab-separated text, one line per figure; with a header line for a CSV file.
  QString tableText(bool header) const;
  // Puts the table on the clipboard.
  void copyTable();
  // Writes the table with its header line; a failure is told in the window's message box.
  bool saveCsv(const QString& path);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void showEvent(QShowEvent* e) override;

 private:
  void singlePhase(const AnalysisInput& in);
  void threePhase(const AnalysisInput& in);
  void pulses();
  void add(const QString& name, double value, const char* unit, const char* pattern = "0.0");
  void addText(const QString& name, const QString& value, const QString& unit = {});
  QString num(double v, const char* pattern) const;
  QString orderText(double order) const;
  void showTable();
  void saveCsvDialog();

  // The drawings (analysis_draw.cpp).
  struct Bar {
    QString label;
    double v, i;  // % of the fundamental; NaN: no bar
  };
  void drawSpectrum(const std::vector<Bar>& bars, bool currents);
  void drawPhasors(const std::vector<harmonics::Component>& components);
  void drawThreePhasors(const AnalysisInput& in, double order);
  void drawPulses(const harmonics::PulseTrain& p, int n);
  void arrow(double x, double y, double length, double degrees, Color c, const QString& label);

  Form& work_;
  Provider provider_;
  bool dirty_ = true;
  std::vector<Row> rows_;
  QPlainTextEdit* table_ = nullptr;
  Surface& spectrum_;
  Surface& phasors_;
  // Where the labels of the phasor diagram drawn last stand, so that labels of
  // phasors pointing alike are set one under the other instead of on top.
  std::vector<QPointF> labelsAt_;
  TextField& problem_;
};

// Shows the analysis of a work window in front, making it on first use (it
// then lives as long as the work window).
AnalysisWindow& showAnalysis(FormHost& host, Form& work, const AnalysisWindow::Provider& provider);
// The analysis of a work window if it was made, else nullptr.
AnalysisWindow* analysisOf(const Form& work);

}  // namespace fv
