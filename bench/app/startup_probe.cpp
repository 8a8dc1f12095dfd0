// SPDX-License-Identifier: MIT
// quorvel-startup-probe --window main|bare|text
//
// Builds one window and waits until it has painted its first frame, then prints
//     main_ns=… app_ns=… built_ns=… shown_ns=… frame_ns=… cpu_ns=… rss_kb=… anon_kb=…
// (the monotonic clock on entering main, after the application object, after building
// the window, after showing it, after its first frame; the process's CPU time at that
// frame; then VmRSS and RssAnon after it) and exits. The monotonic clock is the same in every
// process, so a parent that reads it just before spawning gets the start-up including loading and
// static set-up.
//
//   main  the main window, as the program's main() builds and starts it
//   bare  a bare widget window of the same size: the yardstick
//   text  the bare window with one line of Japanese text in the program's face: what
//         any window pays for its first text (font configuration, face, glyphs)

#include "app/main_window.h"
#include "ui/drawing/fonts.h"
#include "ui/widgets/qt_translation.h"

#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

long long monotonicNs()
{
    timespec now {};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return now.tv_sec * 1'000'000'000LL + now.tv_nsec;
}

/// A "Name: <n> kB" line of /proc/self/status, or -1.
long statusKb(const char *name)
{
    std::FILE *status = std::fopen("/proc/self/status", "r");
    if (!status)
        return -1;
    const size_t length = std::strlen(name);
    long kb = -1;
    char line[256];
    while (std::fgets(line, sizeof line, status)) {
        if (std::strncmp(line, name, length) == 0 && line[length] == ':') {
            std::sscanf(line + length + 1, "%ld", &kb);
            break;
        }
    }
    std::fclose(status);
    return kb;
}

/// Sees the window's first paint event and, once that paint and the flush that follows
/// it within the same event are done, notes the time and leaves the event loop.
class FirstFrame : public QObject
{
public:
    explicit FirstFrame(QWidget *window)
        : m_window(window)
    {
        window->installEventFilter(this);
    }

    long long frameNs = 0;
    long long cpuNs = 0; ///< CPU time of the process (all threads) at that moment

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == m_window && event->type() == QEvent::Paint && !m_seen) {
            m_seen = true;
            QTimer::singleShot(0, this, [this] {
                frameNs = monotonicNs();
                timespec cpu {};
                clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &cpu);
                cpuNs = cpu.tv_sec * 1'000'000'000LL + cpu.tv_nsec;
                QCoreApplication::exit(0);
            });
        }
        return false;
    }

private:
    QWidget *m_window;
    bool m_seen = false;
};

enum class Kind { Main, Bare, Text, Unknown };

Kind kindOf(int argc, char *argv[])
{
    if (argc != 3 || std::strcmp(argv[1], "--window") != 0)
        return Kind::Unknown;
    for (auto [name, kind] : {std::pair {"main", Kind::Main}, std::pair {"bare", Kind::Bare},
             std::pair {"text", Kind::Text}}) {
        if (std::strcmp(argv[2], name) == 0)
            return kind;
    }
    return Kind::Unknown;
}

} // namespace

int main(int argc, char *argv[])
{
    const long long mainNs = monotonicNs();
    const Kind kind = kindOf(argc, argv);
    if (kind == Kind::Unknown) {
        std::fputs("usage: quorvel-startup-probe --window main|bare|text\n", stderr);
        return 2;
    }
    // No display is needed; a platform chosen on purpose (xcb under Xvfb) is kept.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");

    QApplication application(argc, argv);
    const long long appNs = monotonicNs();
    long long builtNs = 0;
    std::unique_ptr<app::MainWindow> main;
    std::unique_ptr<QWidget> window;
    std::unique_ptr<FirstFrame> frame;
    if (kind == Kind::Main) {
        ui::installFontSubstitutions();
        ui::installQtTranslation();
        main = std::make_unique<app::MainWindow>();
        builtNs = monotonicNs();
        frame = std::make_unique<FirstFrame>(&main->form());
        main->start();
    } else {
        window = std::make_unique<QWidget>();
        window->resize(634, 476);
        if (kind == Kind::Text) {
            ui::installFontSubstitutions();
            auto *label = new QLabel(u"誕生日から今日まで 14,850日です。"_s, window.get());
            label->setFont(ui::gothicFont(16));
            label->move(16, 16);
        }
        builtNs = monotonicNs();
        frame = std::make_unique<FirstFrame>(window.get());
        window->show();
    }
    const long long shownNs = monotonicNs();
    if (QApplication::exec() != 0 || frame->frameNs == 0)
        return 1;
    const long rss = statusKb("VmRSS");
    const long anon = statusKb("RssAnon");
    std::printf("main_ns=%lld app_ns=%lld built_ns=%lld shown_ns=%lld frame_ns=%lld cpu_ns=%lld "
                "rss_kb=%ld anon_kb=%ld\n",
        mainNs, appNs, builtNs, shownNs, frame->frameNs, frame->cpuNs, rss, anon);
    std::fflush(stdout);
    return 0;
}
