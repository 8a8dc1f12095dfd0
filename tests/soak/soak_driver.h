// SPDX-License-Identifier: MIT
#pragma once

// Random user actions on the real main window and roster window, each followed by
// the checks that must hold whatever the user did.

#include "app/main_window.h"
#include "soak_window.h"

#include <QByteArray>
#include <QDate>
#include <QStringList>
#include <deque>
#include <map>
#include <memory>
#include <optional>
#include <random>

namespace ui {
class Form;
}

namespace soak {

struct SoakCounts
{
    int actions = 0;
    int charts = 0; ///< chart drawings
    int picks = 0; ///< successful 選択・保存
    int ends = 0; ///< 終了 answered OK (the window is rebuilt)
};

class SoakDriver
{
public:
    /// Works in the current folder, where it writes the first "tamlo.dat".
    SoakDriver(unsigned seed, QDate today);
    ~SoakDriver();

    /// One random action and the checks after it; false (see failure()) when a check
    /// failed.
    bool step();

    const SoakCounts &counts() const { return m_counts; }
    /// What went wrong, with the actions that led there.
    QString failure() const { return m_failure; }

private:
    void startWindow();
    void chooseAndRun();

    // Actions on the main window.
    void clickMain(QStringView name);
    void typeIntoMain();
    void enterWholeInput();
    void askAndAnswer(QStringView button, bool ok);
    // Actions on the roster window (open).
    void rosterAction();
    void typeIntoRoster();
    void saveAndPick();

    // Typing, key by key.
    void typeKeys(QWidget *field, const QStringList &keys);
    void replaceText(QWidget *field, const QString &text);
    QStringList randomKeys(int count);
    QString plausible(std::string_view kind);

    bool check();
    bool checkLimits();
    bool checkRosterFile();
    bool checkPicture();
    bool fail(const QString &what);

    int below(int n) { return int(m_random() % unsigned(n)); }
    bool chance(int percent) { return below(100) < percent; }
    void note(const QString &action);

    std::mt19937 m_random;
    QDate m_today;
    std::unique_ptr<app::MainWindow> m_window;
    ExpectedPicture m_picture;
    QImage m_expectedImage; // m_picture rendered, kept until it changes
    bool m_pictureChanged = true;
    QByteArray m_expectedFile; // "tamlo.dat" as the last save left it
    std::map<QString, int> m_overLimit; // fields a month step left over their limit
    bool m_stepped = false; // the last action was <<前月 or 翌月>>
    std::optional<int> m_ended;
    SoakCounts m_counts;
    std::deque<QString> m_recent; // the last actions, for the failure report
    QString m_failure;
};

} // namespace soak
