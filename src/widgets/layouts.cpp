#include "widgets/layouts.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QFontMetrics>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionFrame>
#include <algorithm>

namespace tintora {

namespace {

template <typename L>
L* On(QWidget* parent, bool tight) {
  auto* layout = new L(parent);
  if (tight) layout->setContentsMargins(0, 0, 0, 0);
  return layout;
}

template <typename L>
L* Of(std::initializer_list<QWidget*> widgets) {
  auto* layout = new L;
  layout->setContentsMargins(0, 0, 0, 0);
  for (QWidget* w : widgets) {
    if (w)
      layout->addWidget(w);
    else
      layout->addStretch(1);
  }
  return layout;
}

}  // namespace

QGridLayout* GridOn(QWidget* parent, bool tight) { return On<QGridLayout>(parent, tight); }
QHBoxLayout* RowOn(QWidget* parent, bool tight) { return On<QHBoxLayout>(parent, tight); }
QVBoxLayout* ColumnOn(QWidget* parent, bool tight) { return On<QVBoxLayout>(parent, tight); }
QHBoxLayout* Row(std::initializer_list<QWidget*> widgets) { return Of<QHBoxLayout>(widgets); }
QVBoxLayout* Column(std::initializer_list<QWidget*> widgets) { return Of<QVBoxLayout>(widgets); }

void AddInOrder(QBoxLayout* box, QWidget* widget, int order) {
  static constexpr char kOrder[] = "tintoraOrder";
  widget->setProperty(kOrder, order);
  int at = 0;
  for (; at < box->count(); ++at) {
    QWidget* other = box->itemAt(at)->widget();
    if (!other || other->property(kOrder).toInt() > order) break;
  }
  box->insertWidget(at, widget);
}

void KeepLogicalSize(QWidget* picture, QSize size) {
  picture->setFixedSize(size);  // the one place a size is fixed: a picture's own pixels
}

void FitCharacters(QWidget* field, int characters) {
  const QFontMetrics metrics(field->font());
  // The widest digit or letter the field will show, and a character's room for the caret.
  const int text = metrics.horizontalAdvance(QString(characters, QLatin1Char('W'))) / 2 +
                   metrics.horizontalAdvance(QString(characters, QLatin1Char('0'))) / 2 +
                   metrics.averageCharWidth();
  if (auto* edit = qobject_cast<QLineEdit*>(field)) {
    QStyleOptionFrame option;
    option.initFrom(edit);
    const QSize size = edit->style()->sizeFromContents(
        QStyle::CT_LineEdit, &option, QSize(text, metrics.height()).expandedTo(QSize(0, 0)), edit);
    edit->setMinimumWidth(size.width());
    edit->setMaximumWidth(size.width());
    return;
  }
  field->setMinimumWidth(text);
}

void MinimumTextArea(QWidget* area, int columns, int lines) {
  const QFontMetrics metrics(area->font());
  const int scrollBar = area->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, area);
  area->setMinimumSize(metrics.averageCharWidth() * columns + scrollBar + 8,
                       metrics.lineSpacing() * lines + 8);
  // That is also the size it asks for (a text area's own wish is a large fixed one); it takes
  // whatever room the window has beyond it.
  area->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
}

void ReserveText(QWidget* widget, const QString& sample) {
  widget->setMinimumWidth(widget->fontMetrics().horizontalAdvance(sample) +
                          widget->fontMetrics().averageCharWidth() / 2);
}

namespace {

bool InsideQtsOwnControl(const QWidget* w, const QWidget* pane) {
  for (const QWidget* p = w->parentWidget(); p && p != pane; p = p->parentWidget())
    if (qobject_cast<const QAbstractSpinBox*>(p) || qobject_cast<const QComboBox*>(p)) return true;
  return false;
}

}  // namespace

void ChainTabOrder(const std::vector<QWidget*>& panes) {
  std::vector<QWidget*> chain;
  for (QWidget* pane : panes) {
    // A hidden pane is not reached by Tab, and is chained again when it shows (its controls
    // have no places to be read in until then).
    if (pane->isHidden()) continue;
    struct Stop {
      QWidget* widget;
      QRect at;
    };
    std::vector<Stop> stops;
    for (QWidget* w : pane->findChildren<QWidget*>()) {
      if (!(w->focusPolicy() & Qt::TabFocus) || w->window() != pane->window() || InsideQtsOwnControl(w, pane))
        continue;
      stops.push_back({w, QRect(w->mapTo(pane, QPoint(0, 0)), w->size())});
    }
    // Rows first: a control whose middle is within half a line of a row's first one is in it.
    std::stable_sort(stops.begin(), stops.end(),
                     [](const Stop& a, const Stop& b) { return a.at.center().y() < b.at.center().y(); });
    const int halfLine = pane->fontMetrics().height() / 2;
    for (std::size_t first = 0; first < stops.size();) {
      std::size_t end = first + 1;
      while (end < stops.size() && stops[end].at.center().y() - stops[first].at.center().y() <= halfLine)
        ++end;
      std::stable_sort(stops.begin() + static_cast<std::ptrdiff_t>(first),
                       stops.begin() + static_cast<std::ptrdiff_t>(end),
                       [](const Stop& a, const Stop& b) { return a.at.left() < b.at.left(); });
      first = end;
    }
    for (const Stop& s : stops) chain.push_back(s.widget);
  }
  for (std::size_t i = 1; i < chain.size(); ++i) QWidget::setTabOrder(chain[i - 1], chain[i]);
}

QFont ContentFont(const QString& family, QFont::StyleHint hint, double points, bool bold) {
  const double desktop = QApplication::font().pointSizeF() > 0 ? QApplication::font().pointSizeF() : 9.0;
  QFont font(family);
  font.setStyleHint(hint);
  font.setPointSizeF(points * desktop / 8.0);
  font.setBold(bold);
  return font;
}

}  // namespace tintora
