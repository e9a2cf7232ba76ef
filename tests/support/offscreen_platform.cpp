#include <QByteArray>
#include <QtGlobal>

// Every test draws offscreen, without a display. The platform is chosen here rather than in
// CTest's environment because wine does not hand Qt's variables (QT_…) on to a Windows program.
static void drawOffscreen() {
    qputenv("QT_QPA_PLATFORM", "offscreen");
}
Q_CONSTRUCTOR_FUNCTION(drawOffscreen)
