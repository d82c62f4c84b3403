// The text colourizer at its largest: 155 characters through 20 checked colours. One full
// update of the preview with the HTML written, and one keystroke into the text box with the
// preview painted.
#include <memory>

#include <benchmark/benchmark.h>
#include <QAction>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTest>
#include <QTextEdit>

#include "app/frame.h"
#include "app/tform1.h"
#include "colourizer/colour_check_list.h"
#include "colourizer/text_colourizer.h"
#include "core/colour/number_text.h"
#include "null_services.h"
#include "qt_bench_main.h"

namespace {

tintora::NullServices services;

std::unique_ptr<tintora::TForm1> FullColourizer() {
  auto form = std::make_unique<tintora::TForm1>(services);
  form->StartUp({});
  form->show();
  form->Frame().ShowAdvancedPanes();
  form->findChild<QTabWidget*>("PageControl1")->setCurrentIndex(3);
  tintora::TextColourizer& c = form->Colourizer();
  std::vector<tintora::ColourEntry> colours;
  for (int i = 0; i < 20; ++i)
    colours.push_back({"c" + std::to_string(i), tintora::IntToHex(i * 0x0C1F37, 6)});
  c.ColourCheckListBox->AppendEntries(colours);
  for (int i = 0; i < 20; ++i) c.ColourCheckListBox->item(i)->setCheckState(Qt::Checked);
  c.Bold1->trigger();
  return form;
}

QString Text(int length, char first) {
  QString t;
  for (int i = 0; i < length; ++i) t += QChar(i % 7 == 6 ? ' ' : first + i % 26);
  return t;
}

void BM_PreviewUpdateAndHtml(benchmark::State& state) {
  auto form = FullColourizer();
  tintora::TextColourizer& c = form->Colourizer();
  const QString texts[2] = {Text(155, 'a'), Text(155, 'A')};
  int k = 0;
  for (auto _ : state) {
    c.TextToColourMemo->setPlainText(texts[k ^= 1]);
    c.CopyHTMLToClipBoard1->trigger();
  }
}
BENCHMARK(BM_PreviewUpdateAndHtml)->Unit(benchmark::kMicrosecond);

// A character typed at the end of 154 and taken away again, each with the preview painted.
void BM_KeystrokeWithPaint(benchmark::State& state) {
  auto form = FullColourizer();
  tintora::TextColourizer& c = form->Colourizer();
  c.TextToColourMemo->setPlainText(Text(154, 'a'));
  c.TextToColourMemo->setFocus();
  c.TextToColourMemo->moveCursor(QTextCursor::End);
  bool type = true;
  for (auto _ : state) {
    if (type)
      QTest::keyClick(c.TextToColourMemo, Qt::Key_X);
    else
      QTest::keyClick(c.TextToColourMemo, Qt::Key_Backspace);
    type = !type;
    c.ResultRichEdit->viewport()->repaint();
    c.TextToColourMemo->viewport()->repaint();
  }
}
BENCHMARK(BM_KeystrokeWithPaint)->Unit(benchmark::kMicrosecond);

}  // namespace

TINTORA_QT_BENCHMARK_MAIN();
