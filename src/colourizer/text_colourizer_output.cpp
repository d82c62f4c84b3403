// The colourizer's output: the previews, the three clipboard copies and the character chart.
#include <QMimeData>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <QTextEdit>

#include "colourizer/colour_check_list.h"
#include "colourizer/colourizer_preview_window.h"
#include "colourizer/text_colourizer.h"
#include "core/colourizer/rich_text.h"
#include "widgets/active_colour_holder.h"
#include "widgets/centre.h"
#include "widgets/colour_panel.h"
#include "widgets/debug_panel.h"
#include "widgets/guarded.h"
#include "widgets/layouts.h"
#include "widgets/make.h"
#include "widgets/services.h"

namespace tintora {

namespace {

// The chart: the code page's upper half as the colourizer writes it, 98 characters.
QString ChartText() {
  QString chart = QString::fromUtf8("\u20AC\u0192\u2122");
  for (int code = 161; code <= 255; ++code) chart += QChar(code);
  return chart;
}

#ifdef Q_OS_WIN
constexpr const char* kLineEnd = "\r\n";
#else
constexpr const char* kLineEnd = "\n";
#endif

// The face the previews show: the chosen one, or the preview's own.
QString Family(const ColourizerInput& in, const QTextEdit* preview) {
  return in.face.empty() ? preview->font().family() : QString::fromStdString(in.face);
}

}  // namespace

void TextColourizer::UpdatePreview() {
  const ColourizerInput in = Input();
  result_ = Colourize(in);
  RenderInto(ResultRichEdit, in, 1);
  // The bigger window is for seeing the colours up close: twice the size.
  if (preview_.Visible()) RenderInto(preview_->Preview(), in, 2);
  if (debug_.isVisible())
    debug_.ShowColourizerCounts(result_.count, in.colours.size(), CheckedColourCount(in.colours));
}

void TextColourizer::RenderInto(QTextEdit* edit, const ColourizerInput& in, double scale) const {
  const QString family = Family(in, ResultRichEdit);
  const QColor text = edit->palette().color(QPalette::Text);
  QTextDocument* doc = edit->document();
  doc->clear();
  QTextCursor cursor(doc);
  cursor.beginEditBlock();
  // Characters that look alike go in one piece, which keeps the preview quick to lay out.
  const std::vector<ColourizedChar>& chars = result_.chars;
  for (std::size_t i = 0; i < chars.size();) {
    const ColourizedChar& first = chars[i];
    std::u32string run;
    for (; i < chars.size() && chars[i].colour == first.colour && chars[i].points == first.points; ++i)
      run += chars[i].ch;
    QTextCharFormat format;
    format.setFontFamilies({family});
    format.setFontPointSize(first.points * scale);
    format.setForeground(first.colour ? ToQColor(*first.colour) : text);
    format.setFontWeight(in.styles.bold ? QFont::Bold : QFont::Normal);
    format.setFontItalic(in.styles.italic);
    format.setFontUnderline(in.styles.underline);
    format.setFontStrikeOut(in.styles.strikeOut);
    cursor.insertText(QString::fromUcs4(run.data(), static_cast<qsizetype>(run.size())), format);
  }
  cursor.endEditBlock();
}

void TextColourizer::SetBackgroundColourClick() {
  background_ = active_.Value().Shown();
  // The bigger window takes it when it is built, if it is not yet.
  ColourizerPreviewWindow* window = preview_.IfMade();
  for (QTextEdit* preview : {ResultRichEdit, window ? window->Preview() : nullptr}) {
    if (!preview) continue;
    QPalette palette = preview->palette();
    palette.setColor(QPalette::Base, ToQColor(background_));
    preview->setPalette(palette);
  }
  RefocusText();
}

void TextColourizer::CopyHtmlClick() {
  QStringList lines;
  for (const std::string& line : GenerateHTML(result_, Input())) lines << QString::fromStdString(line);
  services_.SetClipboardText(lines.join(kLineEnd));
  RefocusText();
}

void TextColourizer::CopyBackgroundHtmlClick() {
  services_.SetClipboardText(QString::fromStdString(BackgroundAttribute(background_)));
  RefocusText();
}

void TextColourizer::CopyRichTextClick() {
  const ColourizerInput in = Input();
  const std::string family = Family(in, ResultRichEdit).toStdString();
  auto mime = std::make_unique<QMimeData>();
  const QByteArray rtf = QByteArray::fromStdString(ColourizedRtf(result_, in.styles, family));
  mime->setData("text/rtf", rtf);
  mime->setData("application/rtf", rtf);
  mime->setHtml(QString::fromStdString(ColourizedHtmlFragment(result_, in.styles, family)));
  mime->setText(QString::fromStdString(ColourizedPlainText(result_)));
  services_.SetClipboardMimeData(std::move(mime));
  RefocusText();
}

void TextColourizer::ViewInBiggerWindowClick() {
  preview_->move(CentreOver(window_->frameGeometry(), preview_->size()));
  preview_->show();
  preview_->raise();
  UpdatePreview();
}

// ---------------------------------------------------------------- the character chart

void TextColourizer::BuildChart(QWidget* host) {
  UnicodeMemo =
      Make<QPlainTextEdit>(host, "UnicodeMemo", "Highlight characters to copy.  Right click to close.");
  UnicodeMemo->setReadOnly(true);
  UnicodeMemo->setFont(ContentFont("Courier New", QFont::TypeWriter, 15.75));
  MinimumTextArea(UnicodeMemo, 40, 2);
  ColumnOn(host, true)->addWidget(UnicodeMemo);
  UnicodeMemo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  UnicodeMemo->setContextMenuPolicy(Qt::NoContextMenu);
  UnicodeMemo->viewport()->installEventFilter(this);
}

void TextColourizer::ShowUnicodeChartClick() {
  ShowChart(ShowUnicodeChartAction->isChecked());
  if (tab_->isVisible()) TextToColourMemo->setFocus();
}

void TextColourizer::ShowChart(bool on) {
  if (on) {
    UnicodeCharacterDisplay();
    chartHost_->show();
  } else {
    chartHost_->hide();
    UnicodeMemo->clear();
  }
  emit ChartShownChanged();
}

void TextColourizer::UnicodeCharacterDisplay() {
  UnicodeMemo->setPlainText(UnicodeMemo->toPlainText() + ChartText());
  UnicodeMemo->moveCursor(QTextCursor::Start);
}

void TextColourizer::SetAdvanced(bool advanced) {
  if (ShowUnicodeChartAction->isChecked()) ShowChart(advanced);
}

void TextColourizer::UnicodeMemoMouseUp(Qt::MouseButton button) {
  QTextCursor selection = UnicodeMemo->textCursor();
  if (button == Qt::LeftButton && selection.hasSelection()) {
    const QString chosen = selection.selectedText();
    services_.SetClipboardText(chosen);
    if (tab_->isVisible()) TextToColourMemo->insertPlainText(chosen);
    selection.clearSelection();
    UnicodeMemo->setTextCursor(selection);
  }
  if (tab_->isVisible()) TextToColourMemo->setFocus();
}

}  // namespace tintora
