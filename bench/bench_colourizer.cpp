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
#include "app/main_window.h"
#include "colourizer/colour_check_list.h"
#include "colourizer/text_colourizer.h"
#include "core/colour/number_text.h"
#include "null_services.h"
#include "qt_bench_main.h"

namespace {

tintora::NullServices services;

std::unique_ptr<tintora::MainWindow> FullColourizer() {
  auto form = std::make_unique<tintora::MainWindow>(services);
  form->StartUp({});
  form->show();
  form->Frame().ShowAdvancedPanes();
  form->findChild<QTabWidget*>("PageControl1")->setCurrentIndex(3);
  std::vector<tintora::ColourEntry> colours;
  for (int i = 0; i < 20; ++i)
    colours.push_back({"c" + std::to_string(i), tintora::IntToHex(i * 0x0C1F37, 6)});
  auto* checkList = form->findChild<tintora::ColourCheckList*>("ColourCheckListBox");
  checkList->AppendEntries(colours);
  for (int i = 0; i < 20; ++i) checkList->item(i)->setCheckState(Qt::Checked);
  form->findChild<QAction*>("Bold1")->trigger();
  return form;
}

QString Text(int length, char first) {
  QString t;
  for (int i = 0; i < length; ++i) t += QChar(i % 7 == 6 ? ' ' : first + i % 26);
  return t;
}

void BM_PreviewUpdateAndHtml(benchmark::State& state) {
  auto form = FullColourizer();
  const QString texts[2] = {Text(155, 'a'), Text(155, 'A')};
  auto* memo = form->findChild<QPlainTextEdit*>("TextToColourMemo");
  auto* copyHtml = form->findChild<QAction*>("CopyHTMLToClipBoard1");
  int k = 0;
  for (auto _ : state) {
    memo->setPlainText(texts[k ^= 1]);
    copyHtml->trigger();
  }
}
BENCHMARK(BM_PreviewUpdateAndHtml)->Unit(benchmark::kMicrosecond);

// A character typed at the end of 154 and taken away again, each with the preview painted.
void BM_KeystrokeWithPaint(benchmark::State& state) {
  auto form = FullColourizer();
  auto* memo = form->findChild<QPlainTextEdit*>("TextToColourMemo");
  auto* preview = form->findChild<QTextEdit*>("ResultRichEdit");
  memo->setPlainText(Text(154, 'a'));
  memo->setFocus();
  memo->moveCursor(QTextCursor::End);
  bool type = true;
  for (auto _ : state) {
    QTest::keyClick(memo, type ? Qt::Key_X : Qt::Key_Backspace);
    type = !type;
    preview->viewport()->repaint();
    memo->viewport()->repaint();
  }
}
BENCHMARK(BM_KeystrokeWithPaint)->Unit(benchmark::kMicrosecond);

}  // namespace

TINTORA_QT_BENCHMARK_MAIN();
