// Opens a map in the main window as the program does, then adds reports to it and saves it
// elsewhere, and tells for each how long it took and the longest time the window went without
// handling its events, which is how long a repaint could have had to wait. Not a test: a
// measurement to run by hand on a long game (tools/make_long_game.sh makes one), e.g. with
// QT_QPA_PLATFORM=offscreen:
//   responsiveness_probe MAP.atl [REPORT...]
// The reports' turns must not be in the map yet (no question is answered); the summary box
// of several reports is answered with OK.
#include "app/globals.h"
#include "testdir.h"
#include "ui/messagebox.h"
#include "vexlor/framewindow.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QElapsedTimer>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <algorithm>
#include <cstdio>
#include <functional>

namespace {

// Runs work and times each turn of the event loop meanwhile with a timer that fires whenever
// events are handled.
void Measure(const char* what, const std::function<void()>& work) {
    QElapsedTimer clock;
    qint64 last = 0, longest = 0;
    int ticks = 0;
    bool boxShown = false;
    QTimer tick;
    QObject::connect(&tick, &QTimer::timeout, [&] {
        qint64 now = clock.elapsed();
        longest = std::max(longest, now - last);
        last = now;
        ++ticks;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->objectName() == QLatin1String("progressDialog") && w->isVisible())
                boxShown = true;
    });
    tick.start(0);
    clock.start();
    work();
    qint64 total = clock.elapsed();
    longest = std::max(longest, total - last); // until the window's own loop takes over
    std::printf("%s: %lld ms, longest without events %lld ms, %d turns of the loop, progress "
                "box %s\n",
                what, static_cast<long long>(total), static_cast<long long>(longest), ticks,
                boxShown ? "shown" : "not shown");
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s MAP.atl [REPORT...]\n", argv[0]);
        return 2;
    }
    QApplication app(argc, argv);
    auto language = DynLib::Load(VEXLOR_VEXENU_SO);
    if (!language) return 1;
    Language.SetModule(std::move(language));
    TestDir dir;
    Profile.SetIniFile(dir.File("vexlor.INI").c_str());
    {
        FrameWindow frame("Vexlor", Language.LoadMenuA(1));
        frame.Resize(1000, 700);
        frame.Show(SW_SHOWNORMAL);
        QApplication::processEvents();
        Measure("open", [&] { frame.Open(argv[1]); });
        // In place of the open map, which goes meanwhile.
        Measure("open again", [&] { frame.Open(argv[1]); });
        // The hex in the middle of the view, selected and described.
        if (auto* map = frame.Widget()->findChild<QAbstractScrollArea*>(QStringLiteral("mapView")))
            Measure("click a hex", [&] {
                QTest::mouseClick(map->viewport(), Qt::LeftButton, {},
                                  map->viewport()->rect().center());
            });
        std::vector<Str> reports(argv + 2, argv + argc);
        if (!reports.empty()) {
            MessageBoxScript::PushAnswer(IDOK);
            Measure("add reports", [&] { frame.AddReports(reports); });
        }
        // Saving has no progress box: how long it holds the window is worth knowing.
        Measure("save as", [&] { frame.Save(dir.File("saved.atl").c_str()); });
        Measure("close", [&] { frame.Close(); });
    }
    Language.SetModule(nullptr, false);
    return 0;
}
