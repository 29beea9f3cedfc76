#include <grp.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTest>
#include <cstring>
#include <ctime>
#include <functional>

#include "app_fixture.h"
#include "platform/ini_profile.h"
#include "profile_files.h"
#include "ui_helpers.h"

namespace zormade::test {
namespace {

using Names = std::array<std::string, 5>;
using Points = std::array<std::uint32_t, 5>;

const Names kDefaultNames{"ZORMASTER", "??????", "??????", "??????", "??????"};
const Points kDefaultPoints{1570, 1300, 820, 610, 450};
constexpr int kWaitMs = 10000;
// An unprivileged user, so that permission bits bind a child of a root test run too.
constexpr uid_t kNobody = 65534;

class ProfileTest : public AppTest {
protected:
    // Points the program at a new, empty profile folder.
    void UseFreshFolder() {
        qputenv("XDG_CONFIG_HOME", configHome->filePath(QString::number(++folders)).toUtf8());
    }

    // Exits through the menu; the text of the box that said the profile was not saved, or "".
    QString ExitComplaint() {
        ModalAnswer box(ClickButton("OK"));
        Trigger(ID_APP_EXIT);
        return box.Answered() ? box.Window().text : QString();
    }

    void ExpectDefaultsLoaded() {
        EXPECT_EQ(View().Ranking().names, kDefaultNames);
        EXPECT_EQ(View().Ranking().points, kDefaultPoints);
        EXPECT_EQ(View().Options(), GameOptions{});
    }

    int folders = 0;
};

// Runs `body` in a forked child, as an unprivileged user when the test runs as root and `drop`
// asks for it, with files limited to `sizeLimit` bytes when that is not 0; gives its report.
std::string InChild(bool drop, rlim_t sizeLimit, const std::function<std::string()>& body) {
    int channel[2];
    if (::pipe(channel) != 0) return "no pipe";
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(channel[0]);
        bool ready = true;
        if (drop && ::geteuid() == 0) {
            ready = ::setgroups(0, nullptr) == 0 && ::setgid(kNobody) == 0 && ::setuid(kNobody) == 0;
        }
        if (sizeLimit != 0) {
            const rlimit limit{sizeLimit, sizeLimit};
            ::signal(SIGXFSZ, SIG_IGN);
            ready = ready && ::setrlimit(RLIMIT_FSIZE, &limit) == 0;
        }
        const std::string report = ready ? body() : "the child could not be set up";
        const bool sent = ::write(channel[1], report.data(), report.size()) ==
                          static_cast<ssize_t>(report.size());
        ::_exit(sent ? 0 : 1);
    }
    ::close(channel[1]);
    int status = 0;
    const bool ended = QTest::qWaitFor([&] { return ::waitpid(child, &status, WNOHANG) == child; }, kWaitMs);
    if (!ended) {
        ::kill(child, SIGKILL);
        ::waitpid(child, &status, 0);
    }
    std::string report;
    char buffer[4096];
    for (ssize_t got; (got = ::read(channel[0], buffer, sizeof buffer)) > 0;) report.append(buffer, got);
    ::close(channel[0]);
    return ended ? report : "the child did not end";
}

TEST_F(ProfileTest, ANewPlayersFirstExitWritesTheDefaultsAsEarlierVersionsDid) {
    ExpectDefaultsLoaded();
    EXPECT_EQ(ExitComplaint(), "");
    EXPECT_EQ(ReadFile(ProfilePath()), ReadFile(PROFILES_DIR "/new_player.ini"));
}

TEST_F(ProfileTest, TheDrawsAreSeededFromTheClock) {
    const auto before = static_cast<std::uint32_t>(std::time(nullptr));
    StartAgain();
    const auto after = static_cast<std::uint32_t>(std::time(nullptr));
    const int first = View().Random().Next();
    bool seededFromTheClock = false;
    for (std::uint32_t seconds = before; seconds <= after; ++seconds) {
        seededFromTheClock |= Random15(seconds).Next() == first;
    }
    EXPECT_TRUE(seededFromTheClock);
}

// Nobody can read these, root included; the program must not even wait on the FIFO.
TEST_F(ProfileTest, SomethingElseAtTheProfilePathGivesTheDefaultsAndStaysAsItWas) {
    for (const bool fifo : {false, true}) {
        UseFreshFolder();
        const QString path = ProfilePath();
        ASSERT_TRUE(QDir().mkpath(fifo ? QFileInfo(path).absolutePath() : path));
        ASSERT_TRUE(!fifo || ::mkfifo(QFile::encodeName(path), 0600) == 0);
        StartAgain();
        ExpectDefaultsLoaded();
        const QString complaint = ExitComplaint();
        EXPECT_TRUE(complaint.contains(path)) << complaint.toStdString();
        EXPECT_TRUE(complaint.contains("通常のファイルではありません")) << complaint.toStdString();
        EXPECT_FALSE(QFileInfo(path).isFile());
        EXPECT_TRUE(QFileInfo::exists(path));
    }
}

TEST_F(ProfileTest, AWriteThatCannotSucceedLeavesTheOldFileWholeAndSaysWhy) {
    const QByteArray old = "[Option]\nLevel=0\n";
    const bool root = ::geteuid() == 0;
    const struct {
        const char* what;
        mode_t fileMode;
        mode_t folderMode;
        bool playerOwnsFile;
        rlim_t sizeLimit;
        int level;  // as the child read it
        int error;  // whose text the reason gives; 0: the read-only file's own words
    } cases[] = {
        {"a file the player may not read", 0200, 0700, true, 0, 2, EACCES},
        {"another user's private file", mode_t(root ? 0600 : 0), 0700, !root, 0, 2, EACCES},
        {"a read-only file", 0444, 0700, true, 0, 0, 0},
        {"a folder the player may not write", 0600, 0500, true, 0, 0, EACCES},
        {"a full disk", 0640, 0700, true, 4096, 0, EFBIG},
    };
    QTemporaryDir top;
    ASSERT_TRUE(QFile::setPermissions(top.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                                      QFile::ExeGroup | QFile::ExeOther));
    int n = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const QString folder = top.filePath(QString::number(++n));
        const QString path = folder + "/zormade.ini";
        ASSERT_TRUE(WriteFile(path, old));
        ASSERT_TRUE(!root || ::chown(QFile::encodeName(folder), kNobody, kNobody) == 0);
        ASSERT_TRUE(!root || !c.playerOwnsFile || ::chown(QFile::encodeName(path), kNobody, kNobody) == 0);
        ASSERT_EQ(::chmod(QFile::encodeName(path), c.fileMode), 0);
        ASSERT_EQ(::chmod(QFile::encodeName(folder), c.folderMode), 0);

        const std::string report = InChild(true, c.sizeLimit, [&] {
            IniProfile profile(path);
            const int level = profile.GetProfileInt("Option", "Level", 2);
            profile.WriteProfileString("Ranking", "Playername0", std::string(100000, 'N'));
            const bool saved = profile.Flush();
            return std::to_string(level) + (saved ? " saved " : " failed ") +
                   profile.Error().toStdString();
        });
        const std::string expected = std::to_string(c.level) + " failed ";
        EXPECT_EQ(report.substr(0, expected.size()), expected) << report;
        const std::string reason = c.error ? std::strerror(c.error) : "書き込みが許可されていないファイルです";
        EXPECT_NE(report.find(reason), std::string::npos) << report;
        ::chmod(QFile::encodeName(folder), 0700);
        ::chmod(QFile::encodeName(path), 0600);
        EXPECT_EQ(ReadFile(path), old);
        QStringList left = QDir(folder).entryList(QDir::Files);
        left.removeAll("zormade.ini.lock");
        EXPECT_EQ(left, QStringList{"zormade.ini"}) << "a temporary file was left behind";
    }
}

TEST_F(ProfileTest, TheExitWritesThroughALinkKeepsThePermissionBitsAndClearsStaleTemporaries) {
    const QString target = configHome->filePath("elsewhere/real.ini");
    ASSERT_TRUE(WriteFile(target, "[Option]\nSpeed=0\n"));
    ASSERT_TRUE(QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup));
    for (const char* name : {"real.ini.AbC123", "real.ini.AbC123.XyZ789", "real.ini.bak"}) {
        ASSERT_TRUE(WriteFile(configHome->filePath(QString("elsewhere/") + name), "left"));
    }
    UseFreshFolder();
    ASSERT_TRUE(QDir().mkpath(QFileInfo(ProfilePath()).absolutePath()));
    ASSERT_TRUE(QFile::link(target, ProfilePath()));
    StartAgain();
    EXPECT_EQ(View().Options().speed, 0);
    EXPECT_EQ(ExitComplaint(), "");

    EXPECT_TRUE(QFileInfo(ProfilePath()).isSymLink());
    EXPECT_EQ(KeysIn(target).size(), 13);
    EXPECT_EQ(QFile::permissions(target), QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser |
                                              QFile::WriteUser | QFile::ReadGroup);
    EXPECT_EQ(QDir(configHome->filePath("elsewhere")).entryList(QDir::Files),
              QStringList({"real.ini", "real.ini.bak", "real.ini.lock"}));
}

TEST_F(ProfileTest, TwoCopiesOnOneProfileKeepBothEntriesInEitherExitOrder) {
    for (const bool firstEndsFirst : {true, false}) {
        SCOPED_TRACE(firstEndsFirst ? "in start order" : "in reverse order");
        QTemporaryDir home;
        std::unique_ptr<QProcess> copies[] = {StartCopy({"enter", "FIRST"}, home.path()),
                                              StartCopy({"enter", "SECOND"}, home.path())};
        ASSERT_TRUE(copies[0] && copies[1]);
        const int order[] = {firstEndsFirst ? 0 : 1, firstEndsFirst ? 1 : 0};
        for (int i : order) {
            ::kill(static_cast<pid_t>(copies[i]->processId()), SIGTERM);
            ASSERT_TRUE(copies[i]->waitForFinished(kWaitMs));
            EXPECT_EQ(copies[i]->exitCode(), 0) << copies[i]->readAllStandardError().toStdString();
        }
        // Of equal scores the later exit's entry comes first.
        const StoredProfile stored = StoredAt(home.filePath("zormade/zormade.ini"));
        const Names names{firstEndsFirst ? "SECOND" : "FIRST", firstEndsFirst ? "FIRST" : "SECOND", "ZORMASTER",
                          "??????", "??????"};
        EXPECT_EQ(stored.ranking.names, names);
        EXPECT_EQ(stored.ranking.points, (Points{8997, 8997, 1570, 1300, 820}));
    }
}

TEST_F(ProfileTest, AVeryLongStoredNameIsKeptWholeAndShownOnlyAsFarAsItsControlGoes) {
    const QString longName(100000, QChar(u'長'));
    ASSERT_TRUE(WriteFile(ProfilePath(), "[Ranking]\nPlayername0=" + longName.toUtf8() + "\n"));
    StartAgain();
    QString shown;
    ModalAnswer ranking([&](QWidget* w) {
        shown = DialogText(w, 1016);
        PressKey(Qt::Key_Escape)(w);
    });
    Trigger(ID_RANKING);
    EXPECT_TRUE(longName.startsWith(shown));
    EXPECT_GE(shown.size(), 20) << "a name that fills its control is shown whole";
    EXPECT_LT(shown.size(), 1000);
    EXPECT_EQ(ExitComplaint(), "");
    EXPECT_EQ(StoredAt(ProfilePath()).ranking.names[0], longName.toStdString());
}

}  // namespace
}  // namespace zormade::test
