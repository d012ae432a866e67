// A fixed picture of the window: a vector drawing that fills its box and
// stays sharp at any zoom, with or without the sunken border of a picture box.
#pragma once

#include <QString>
#include <QWidget>

class QSvgRenderer;

namespace fv {

class FixedPicture : public QWidget {
  Q_OBJECT
 public:
  // `resource` is the drawing; `widthTwips` the box's width at zoom 1, used
  // to scale the border with the window.
  FixedPicture(const QString& resource, int widthTwips, bool border, QWidget* parent = nullptr);

  bool valid() const;
  QString resource() const { return resource_; }

 protected:
  void paintEvent(QPaintEvent*) override;

 private:
  QString resource_;
  QSvgRenderer* renderer_;
  int widthTwips_;
  bool border_;
};

}  // namespace fv
