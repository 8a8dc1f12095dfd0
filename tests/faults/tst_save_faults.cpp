// SPDX-License-Identifier: MIT
// Saving from the windows when the medium fails: whatever goes wrong, the previous
// "tamlo.dat" stays byte for byte, no temporary file is left behind, and a save from
// the roster window ends in the failure message. A folder that takes no new file does
// not stop the save of a writable file: it is written in place, and a failure there
// still ends in the message. A picture that cannot be saved only says why.
//
// Permissions stop only an ordinary user and the tests run as root, so the read-only
// cases run the window in a child process as "nobody"; the full disk is a small tmpfs
// mounted in a mount namespace of the child's own. On Windows the read-only attribute
// stops every account, so that case needs no other user there; a folder that refuses
// new files needs another account, and the full disk and the size limit are Linux's.

#include "app/failure.h"
#include "app/main_window.h"
#include "save_fault_files.h"
#include "ui/drawing/fonts.h"
#include "ui/text/clock.h"
#include "ui/widgets/file_dialog.h"
#include "ui/widgets/message_box.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>
#include <csignal>
#ifndef Q_OS_WIN
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

using namespace Qt::StringLiterals;
using faults::entries;
using faults::fileBytes;
using faults::fullRoster;

namespace {

#ifndef Q_OS_WIN
constexpr uid_t kNobody = 65534;
constexpr gid_t kNogroup = 65534;
#endif
const QString kChildFlag = u"--save-child"_s;

// ---------------------------------------------------------------------------------
// The child: the real main window in the current folder, 誕生日データ, an edit, then
// 選択・保存. Prints what went wrong and exits 1, or exits 0.

#ifndef Q_OS_WIN
/// Fills the folder's file system until it refuses another byte.
bool fillFileSystem(const QString &folder)
{
    QFile filler(folder + u"/filler"_s);
    if (!filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return false;
    const QByteArray block(512, 'x');
    while (filler.write(block) == block.size()) { }
    while (filler.write("x", 1) == 1) { }
    return true;
}
#endif

/// The chart saved as a picture into the folder: a message with the reason, and the
/// window, its chart and the program go on as before.
int savePicture(app::MainWindow &window, const QString &folder, const int &ended)
{
    ui::Form &form = window.form();
    form.setText(u"EDIT2", u"4"_s);
    form.setText(u"EDIT3", u"12"_s);
    QTest::mouseClick(form.control(u"BUTTON1"), Qt::LeftButton);
    const QImage before = form.surface().image().copy();
    ui::FileDialog::setNextAnswer(ui::FileDialog::Choice {folder + u"/chart.png"_s, 1});
    ui::MessageBox::setNextAnswer(ui::MessageBox::Answer::Ok);
    QAction *save = form.findChild<QAction *>(u"actionSaveImage"_s);
    save->trigger();
    const auto shown = ui::MessageBox::lastShown();
    const bool fine = shown && shown->title == u"画像として保存" && shown->text.contains(folder)
        && ended == -1 && form.surface().image() == before && save->isEnabled();
    if (!fine)
        QTextStream(stderr) << "picture save: " << (shown ? shown->text : u"no message"_s)
                            << ", ended " << ended << '\n';
    app::setProgramEnding({});
    return fine ? 0 : 1;
}

int childSave(const QString &mode, const QString &folder)
{
    QTextStream err(stderr);
#ifndef Q_OS_WIN
    if (mode == u"full") {
        // Private to this process's mount namespace (see the parent).
        if (QProcess::execute(
                u"mount"_s, {u"-t"_s, u"tmpfs"_s, u"-o"_s, u"size=16k"_s, u"tmpfs"_s, folder})
            != 0) {
            err << "SKIP: cannot mount a tmpfs here\n";
            return 2;
        }
        if (!roster::writeRoster(fullRoster(u"前田"_s), folder + u"/tamlo.dat"_s)
            || !fillFileSystem(folder)) {
            err << "cannot prepare the full file system\n";
            return 1;
        }
    }
#endif
    if (!QDir::setCurrent(folder)) {
        err << "cannot enter " << folder << '\n';
        return 1;
    }
    const QByteArray before = fileBytes(u"tamlo.dat"_s);
    const QStringList filesBefore = entries(folder);

    ui::installFontSubstitutions();
    ui::Clock::setToday(QDate(2026, 12, 8));
    ui::MessageBox::resetForTest();
    int ended = -1;
    app::setProgramEnding([&ended](int code) { ended = code; });
    app::MainWindow window;
    window.start();
    window.form().setText(u"EDIT1", u"1970"_s);
    if (mode == u"picture")
        return savePicture(window, folder, ended);
    QTest::mouseClick(window.form().control(u"BUTTON10"), Qt::LeftButton);
    if (!window.roster().isOpen()) {
        err << "the roster did not open (ended " << ended << ")\n";
        return 1;
    }
    ui::Form &rosterForm = *window.roster().form();
    rosterForm.setText(u"EDIT6"_s, u"新しい名前"_s);
#ifndef Q_OS_WIN
    if (mode.endsWith(u"limit")) {
        // The file system takes no file longer than 64 bytes from now on.
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit {64, 64};
        setrlimit(RLIMIT_FSIZE, &limit);
    }
#endif
    // The failure message, answered as the user can: OK.
    ui::MessageBox::setNextAnswer(ui::MessageBox::Answer::Ok);
    QTest::mouseClick(rosterForm.control(u"BUTTON9"), Qt::LeftButton);

    QStringList problems;
    const auto shown = ui::MessageBox::lastShown();
    if (mode == u"folder") {
        // Written in place: the edit is saved and the person picked.
        if (shown || window.form().text(u"EDIT26") != u"新しい名前"
            || roster::readRoster().value_or(roster::Roster {})[0].name != u"新しい名前")
            problems << u"not saved in place"_s;
    } else {
        if (!shown || shown->title != u"エラー発生"
            || shown->text != u"記録メディアがライトプロテクトされている等エラー、終了します。"
            || shown->icon != ui::MessageBox::Icon::Stop)
            problems << u"no failure message"_s;
        if (ended != EXIT_FAILURE)
            problems << u"the program did not end with a failure: "_s + QString::number(ended);
        if (!window.roster().isOpen())
            problems << u"the roster window closed"_s;
        if (window.form().text(u"EDIT1") != u"1970")
            problems << u"the main window's fields changed"_s;
    }
    // Written in place, a failed save cannot keep the previous bytes.
    if (!mode.startsWith(u"folder") && fileBytes(u"tamlo.dat"_s) != before)
        problems << u"tamlo.dat changed"_s;
    if (entries(folder) != filesBefore)
        problems << u"files left behind: "_s + entries(folder).join(u", "_s);
    for (const QString &problem : problems)
        err << problem << '\n';
    app::setProgramEnding({});
    return problems.isEmpty() ? 0 : 1;
}

} // namespace

class TestSaveFaults : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void windowSave_data();
    void windowSave();
};

void TestSaveFaults::windowSave_data()
{
    QTest::addColumn<QString>("mode");
    QTest::newRow("read-only file") << u"file"_s;
    QTest::newRow("read-only folder: written in place") << u"folder"_s;
    QTest::newRow("read-only folder and file size limit") << u"folder limit"_s;
    QTest::newRow("picture into a read-only folder") << u"picture"_s;
#ifndef Q_OS_WIN
    QTest::newRow("full disk") << u"full"_s;
    QTest::newRow("file size limit") << u"limit"_s;
#endif
}

#ifdef Q_OS_WIN
void TestSaveFaults::windowSave()
{
    QFETCH(QString, mode);
    if (mode != u"file")
        QSKIP("a folder that refuses new files needs an access list for a second account");
    QTemporaryDir base;
    QVERIFY(base.isValid());
    const QString dat = base.filePath(u"tamlo.dat"_s);
    QVERIFY(roster::writeRoster(fullRoster(u"前田"_s), dat));
    const QByteArray before = fileBytes(dat);
    const auto readable = QFileDevice::ReadOwner | QFileDevice::ReadUser | QFileDevice::ReadGroup
        | QFileDevice::ReadOther;
    QVERIFY(QFile::setPermissions(dat, readable));

    QProcess process;
    process.start(QCoreApplication::applicationFilePath(), {kChildFlag, mode, base.path()});
    QVERIFY2(process.waitForFinished(120000), qPrintable(process.errorString()));
    const QString output = QString::fromLocal8Bit(process.readAllStandardError());
    QVERIFY2(process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0,
        qPrintable(output));
    QCOMPARE(fileBytes(dat), before);
    QCOMPARE(entries(base.path()), QStringList {u"tamlo.dat"_s});
    QVERIFY(QFile::setPermissions(dat, readable | QFileDevice::WriteOwner));
}
#else

void TestSaveFaults::windowSave()
{
    QFETCH(QString, mode);
    if (geteuid() != 0)
        QSKIP("needs root to prepare files for another user and to mount");
    QTemporaryDir base;
    QVERIFY(base.isValid());
    const QString folder = base.filePath(u"roster"_s);
    QVERIFY(QDir().mkpath(folder));
    // Everything the child needs to reach: the temporary folder itself, and a home
    // and runtime folder of the child's own for Qt and fontconfig.
    QVERIFY(::chmod(QFile::encodeName(base.path()).constData(), 0755) == 0);
    const QString home = base.filePath(u"home"_s);
    QVERIFY(QDir().mkpath(home));
    const QByteArray homePath = QFile::encodeName(home);
    QVERIFY(::chown(homePath.constData(), kNobody, kNogroup) == 0);
    QVERIFY(::chmod(homePath.constData(), 0700) == 0);

    const QString dat = folder + u"/tamlo.dat"_s;
    const QByteArray datPath = QFile::encodeName(dat);
    const QByteArray folderPath = QFile::encodeName(folder);
    QByteArray before;
    QString program;
    QStringList arguments;
    const QStringList child {QCoreApplication::applicationFilePath(), kChildFlag, mode, folder};
    const QStringList asNobody {u"--reuid=nobody"_s, u"--regid=nogroup"_s, u"--clear-groups"_s};
    if (mode == u"file" || mode.startsWith(u"folder") || mode == u"picture") {
        QVERIFY(roster::writeRoster(fullRoster(u"前田"_s), dat));
        before = fileBytes(dat);
        if (mode == u"file") {
            // Only the file stops the save: the folder would take a new one.
            QVERIFY(::chmod(folderPath.constData(), 0777) == 0);
            QVERIFY(::chmod(datPath.constData(), 0444) == 0);
        } else {
            // Only the folder stops it: the file itself is the child's and writable.
            QVERIFY(::chmod(folderPath.constData(), 0755) == 0);
            QVERIFY(::chown(datPath.constData(), kNobody, kNogroup) == 0);
            QVERIFY(::chmod(datPath.constData(), 0644) == 0);
        }
        // The build tree may lie where "nobody" cannot reach: run a copy from here.
        const QString copy = base.filePath(u"child"_s);
        QVERIFY(QFile::copy(child.first(), copy));
        QVERIFY(::chmod(QFile::encodeName(copy).constData(), 0755) == 0);
        program = u"setpriv"_s;
        arguments = asNobody + QStringList {copy} + child.mid(1);
    } else if (mode == u"full") {
        program = u"unshare"_s;
        arguments = QStringList {u"--mount"_s, u"--propagation"_s, u"private"_s} + child;
    } else {
        QVERIFY(roster::writeRoster(fullRoster(u"前田"_s), dat));
        before = fileBytes(dat);
        program = child.first();
        arguments = child.mid(1);
    }

    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(u"HOME"_s, home);
    environment.insert(u"XDG_CACHE_HOME"_s, home + u"/cache"_s);
    environment.insert(u"XDG_RUNTIME_DIR"_s, home);
    environment.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    QVERIFY2(process.waitForFinished(120000), qPrintable(process.errorString()));
    const QString output = QString::fromLocal8Bit(process.readAllStandardError());
    if (process.exitCode() == 2 && output.contains(u"SKIP"))
        QSKIP(qPrintable(output.trimmed()));
    QVERIFY2(process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0,
        qPrintable(output));
    if (!before.isEmpty()) {
        if (!mode.startsWith(u"folder"))
            QCOMPARE(fileBytes(dat), before);
        QCOMPARE(entries(folder), QStringList {u"tamlo.dat"_s});
    }
    // The temporary folder must be removable again.
    QVERIFY(::chmod(folderPath.constData(), 0755) == 0);
}
#endif

int main(int argc, char **argv)
{
    QApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() == 4 && arguments.at(1) == kChildFlag)
        return childSave(arguments.at(2), arguments.at(3));
    TestSaveFaults test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_save_faults.moc"
