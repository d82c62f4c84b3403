#include "window_fixture.h"
#include <QLayout>
namespace tintora::testing {
class Probe : public WindowTest { protected: void BeforeWindow() override { QFont f("DejaVu Sans"); f.setPointSize(14); QApplication::setFont(f);} };
void Dump(QWidget* w, int depth) {
  if (depth > 3) return;
  for (QObject* o : w->children()) { auto* c = qobject_cast<QWidget*>(o); if (!c || c->isWindow() || !c->isVisible()) continue;
    printf("%*s%s %s geo %dx%d min %dx%d hint %dx%d\n", depth*2, "", c->metaObject()->className(), qPrintable(c->objectName()), c->width(), c->height(), c->minimumSizeHint().width(), c->minimumSizeHint().height(), c->sizeHint().width(), c->sizeHint().height());
    Dump(c, depth+1); }
}
TEST_F(Probe, Dump) { QTest::mouseClick(Find<QWidget>("ExpandImage"), Qt::LeftButton); QApplication::processEvents(); Dump(form.get(), 0); }
}
