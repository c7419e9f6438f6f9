#pragma once
// The main window as the window tests that start from a populated map need it: a profile of
// its own, scripted boxes and dialogs, and faction 3's first turns added through File, Add report.
#include "app/globals.h"
#include "testdir.h"
#include "ui/filedialog.h"
#include "ui/messagebox.h"
#include "vexlor/framewindow.h"

#include <QAbstractScrollArea>
#include <QTreeWidget>
#include <QtTest>
#include <memory>
#include <string>

class PopulatedFrame {
public:
    static std::string Report(int turn) {
        return std::string(VEXLOR_REPORTS_DIR) + "/head-standard/3-turn" + std::to_string(turn) +
               ".rep";
    }

    // For initTestCase() and cleanupTestCase(): the English library for the whole program.
    static void LoadLanguage() {
        auto language = DynLib::Load(VEXLOR_VEXENU_SO);
        QVERIFY(language);
        Language.SetModule(std::move(language));
    }
    static void UnloadLanguage() { Language.SetModule(nullptr, false); }

    // For init(): a shown 1000 x 700 window with turns 1 to turns added.
    void Open(int turns) {
        dir_ = std::make_unique<TestDir>();
        Profile.SetIniFile(dir_->File("vexlor.INI").c_str());
        MessageBoxScript::Reset();
        FileDialogScript::Reset();
        frame_ = std::make_unique<FrameWindow>("Vexlor", Language.LoadMenuA(1));
        frame_->Resize(1000, 700);
        frame_->Show(SW_SHOWNORMAL);
        QVERIFY(QTest::qWaitForWindowExposed(frame_->Widget()));
        for (int turn = 1; turn <= turns; ++turn) {
            FileDialogScript::PushFileName(Report(turn).c_str());
            QVERIFY(frame_->EvCommand(CM_FILEADDREPORT));
        }
    }

    // For cleanup(): closes the window without saving.
    void Close() {
        MessageBoxScript::PushAnswer(IDNO); // the question about the unsaved map
        frame_.reset();
        dir_.reset();
    }

    // A new window in place of the open one (after its close question is answered), on the
    // same profile: what the next start of the program sees.
    void Reopen() { frame_ = std::make_unique<FrameWindow>("Vexlor", Language.LoadMenuA(1)); }

    FrameWindow& Frame() { return *frame_; }
    // The map view's scroll area, and its viewport, where the hexes are painted and clicked.
    QAbstractScrollArea* MapScroll() {
        return frame_->Widget()->findChild<QAbstractScrollArea*>(QStringLiteral("mapView"));
    }
    QWidget* MapArea() { return MapScroll()->viewport(); }
    // Whether a docked panel stands beside the map, never over its hexes.
    bool BesideMap(const QWidget* panel) {
        QWidget* map = MapScroll();
        return !QRect(map->mapToGlobal(QPoint()), map->size())
                    .intersects(QRect(panel->mapToGlobal(QPoint()), panel->size()));
    }
    std::string File(const char* name) const { return dir_->File(name); }
    // Clicks the one line of the description pane that text names, its headings opened as the
    // user opens them; false when no line or several do.
    bool ClickPaneLine(const QString& text, Qt::MatchFlags match = Qt::MatchExactly) {
        auto* pane = frame_->Widget()->findChild<QTreeWidget*>(QStringLiteral("descrPane"));
        QList<QTreeWidgetItem*> found = pane->findItems(text, match | Qt::MatchRecursive);
        if (found.size() != 1) return false;
        for (QTreeWidgetItem* up = found[0]->parent(); up; up = up->parent())
            up->setExpanded(true);
        pane->scrollToItem(found[0]);
        QTest::mouseClick(pane->viewport(), Qt::LeftButton, {},
                          pane->visualItemRect(found[0]).center());
        return true;
    }

private:
    std::unique_ptr<TestDir> dir_;
    std::unique_ptr<FrameWindow> frame_;
};
