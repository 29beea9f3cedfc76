// SPDX-License-Identifier: GPL-3.0-or-later
// The profile as the program reads and writes it, and the end of the program by a signal or by
// the end of the desktop session, which writes it as the exit command does: all thirteen keys.
#include <grp.h>
#include <poll.h>
#include <pthread.h>
#include <pwd.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSettings>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <atomic>
#include <cstring>
#include <ctime>
#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <tuple>
#include <vector>

#include "app_fixture.h"
#include "core/ranking_table.h"
#include "platform/ini_profile.h"
#include "platform/profile_file.h"
#include "platform/termination_signals.h"
#include "ui_helpers.h"

namespace zormade::test {
namespace {

// A ranking table as "points name" rows, best first.
using Rows = std::vector<std::string>;

const Rows kDefaultRows{"1570 ZORMASTER", "1300 ??????", "820 ??????", "610 ??????", "450 ??????"};
constexpr int kWaitMs = 10000;
// An unprivileged user, so that permission bits bind a child of a root test run too.
constexpr uid_t kNobody = 65534;

// Writes the bytes as the whole file, making its folder first.
bool WriteFile(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray ReadFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// How many keys a QSettings that never saw the file before finds in it.
int KeyCount(const QString& path) {
    QTemporaryDir elsewhere;
    const QString copy = elsewhere.filePath("copy.ini");
    return QFile::copy(path, copy) ? QSettings(copy, QSettings::IniFormat).allKeys().size() : 0;
}

Rows RowsOf(const RankingTable& table) {
    Rows rows;
    for (int i = 0; i < RankingTable::kPlaces; ++i)
        rows.push_back(std::to_string(table.points[i]) + ' ' + table.names[i]);
    return rows;
}

// The ranking the game would load from the file.
Rows StoredRanking(const QString& path) {
    IniProfile profile(path);
    RankingTable table;
    table.Load(profile);
    return RowsOf(table);
}

// A copy of the game (the profile_game program) on the profile folder `home`, once it printed
// "ready"; nullptr when it did not.
std::unique_ptr<QProcess> StartCopy(const QStringList& arguments, const QString& home) {
    auto copy = std::make_unique<QProcess>();
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    environment.insert("XDG_CONFIG_HOME", home);
    copy->setProcessEnvironment(environment);
    copy->start(PROFILE_GAME, arguments);
    while (copy->waitForReadyRead(kWaitMs))
        if (copy->canReadLine() && copy->readLine().trimmed() == "ready") return copy;
    copy->kill();
    copy->waitForFinished();
    return nullptr;
}

// Runs `body` in a forked child, as an unprivileged user when the test runs as root and `drop`,
// with files limited to `sizeLimit` bytes when that is not 0; gives its report.
std::string InChild(rlim_t sizeLimit, const std::function<std::string()>& body, bool drop = true) {
    int channel[2];
    if (::pipe(channel) != 0) return "no pipe";
    const pid_t child = ::fork();
    if (child < 0) return "no child";
    if (child == 0) {
        // A child that hangs is killed, and its report stays empty.
        ::alarm(kWaitMs / 1000);
        ::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{sizeLimit, sizeLimit};
        const bool dropped =
            !drop || ::geteuid() != 0 ||
            (::setgroups(0, nullptr) == 0 && ::setgid(kNobody) == 0 && ::setuid(kNobody) == 0);
        const bool ready = dropped && (sizeLimit == 0 || ::setrlimit(RLIMIT_FSIZE, &limit) == 0);
        const std::string report = ready ? body() : "the child could not be set up";
        // A short write shows in the report itself.
        ::_exit(::write(channel[1], report.data(), report.size()) < 0 ? 1 : 0);
    }
    ::close(channel[1]);
    std::string report;
    char buf[4096];
    for (ssize_t got; (got = ::read(channel[0], buf, sizeof buf)) > 0;) report.append(buf, got);
    ::close(channel[0]);
    ::waitpid(child, nullptr, 0);
    return report;
}

// Another program that takes the profile's lock and holds it for this object's life.
struct LockHolder : QProcess {
    explicit LockHolder(const QString& lock) {
        QDir().mkpath(QFileInfo(lock).absolutePath());
        start("flock", {"--close", lock, "cat"});
        write("held\n");
    }
    bool Held() { return waitForReadyRead(kWaitMs) && readLine() == "held\n"; }
};

class ProfileTest : public AppTest {
protected:
    // Points the program at a new, empty profile folder.
    void UseFreshFolder() {
        qputenv("XDG_CONFIG_HOME", configHome->filePath(QString::number(++folders)).toUtf8());
    }

    // Exits through the menu; the text of the box that said the profile was not saved, or "".
    QString ExitComplaint() {
        ModalAnswer box(ClickButton("OK"));
        Trigger("exit");
        if (!box.Answered()) return {};
        EXPECT_EQ(box.Window().icon, QMessageBox::Critical) << "a lost save has the stop icon";
        return box.Window().text;
    }

    void ExpectDefaultsLoaded() {
        EXPECT_EQ(RowsOf(Session().Ranking()), kDefaultRows);
        EXPECT_EQ(Session().Options(), GameOptions{});
    }

    int folders = 0;
};

TEST_F(ProfileTest,
       ANewPlayersRunIsSeededFromTheClockAndItsExitWritesTheDefaultsAsEarlierVersionsDid) {
    const auto before = static_cast<std::uint32_t>(std::time(nullptr));
    StartAgain();
    const auto after = static_cast<std::uint32_t>(std::time(nullptr));
    const int first = Session().Random().Next();
    bool seeded = false;
    for (auto second = before; second <= after; ++second)
        seeded |= Random15(second).Next() == first;
    EXPECT_TRUE(seeded) << "seeded from the clock";
    ExpectDefaultsLoaded();
    EXPECT_EQ(ExitComplaint(), "");
    EXPECT_EQ(ReadFile(ProfilePath()), ReadFile(PROFILES_DIR "/new_player.ini"));
}

// Nobody can read these, root included; the program must not even wait on the FIFO, nor follow
// for ever a link that leads back to itself, made while the game ran, nor read a profile far
// larger than any the game writes, nor rewrite a file with neither of its sections (a password
// file's copy).
TEST_F(ProfileTest, SomethingElseAtTheProfilePathGivesTheDefaultsAndStaysAsItWas) {
    const struct {
        const char* kind;
        const char* told;
        QByteArray file = {};
        qint64 size = 0;
    } cases[] = {{"folder", "通常のファイルではありません"},
                 {"fifo", "通常のファイルではありません"},
                 {"loop", "循環しています"},
                 {"large", "64 MiB", "[Option]\nSpeed=0\n", kLargestProfile + 1},
                 {"passwd", "\nランキングも設定も含まないファイル",
                  "root:x:0:0:root:/root:/bin/bash\n", 32}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.kind);
        UseFreshFolder();
        const QString path = ProfilePath();
        const std::string kind = c.kind;
        ASSERT_TRUE(QDir().mkpath(kind == "folder" ? path : QFileInfo(path).absolutePath()));
        ASSERT_TRUE(kind != "fifo" || ::mkfifo(QFile::encodeName(path), 0600) == 0);
        ASSERT_TRUE(c.file.isEmpty() || (WriteFile(path, c.file) && QFile::resize(path, c.size)));
        StartAgain();
        ExpectDefaultsLoaded();
        ASSERT_TRUE(kind != "loop" || ::symlink("zormade.ini", QFile::encodeName(path)) == 0);
        const QString said = ExitComplaint();
        EXPECT_TRUE(said.contains(path) && said.contains(c.told)) << said.toStdString();
        QFile file(path);
        EXPECT_TRUE(!c.file.isEmpty() ? file.open(QIODevice::ReadOnly) && file.size() == c.size &&
                                            file.read(c.file.size()) == c.file
                                      : QFileInfo(path).isSymLink() ||
                                            (file.exists() && !QFileInfo(path).isFile()));
    }
}

// A save that cannot be made leaves the old file whole and nothing of its own behind, and names the
// file or folder in the way, and why in words of ours before what the system says (0: nothing
// follows). What the permission bits decide runs as an unprivileged user, also in a root run; a
// link is the test user's own and followed as such. Root runs the game on a profile path a player
// controls: a player's link to another user's file or folder is not followed, and nothing is made
// beside where it leads.
TEST_F(ProfileTest, AFailedSaveLeavesTheOldFileWholeAndSaysWhyAndWhere) {
    constexpr uid_t kPlayer = kNobody - 1;
    const bool root = ::geteuid() == 0;
    const QByteArray old = "[Option]\nLevel=0\n";
    const QString longName = (QString(200, QChar('n')) + "/").repeated(21) + "p.ini";
    // `old` is in other/zormade.ini, with the permission bits of the file and its folder and the
    // player's when `owned`; then the link and where it leads, the profile, and the level the save
    // read and what it names.
    const struct {
        const char* what;
        mode_t file, folder;
        bool owned;
        rlim_t sizeLimit;
        QString link, leadsTo, path;
        int level;
        QString failed;
        const char* words;
        int error;
        bool players = false;
    } cases[] = {
        {"a file the player may not read", 0200, 0700, true, 0, "", "", "other/zormade.ini", 2,
         "other/zormade.ini", "アクセスが許可されていません", EACCES},
        {"another user's private file", mode_t(root ? 0600 : 0), 0700, !root, 0, "", "",
         "other/zormade.ini", 2, "other/zormade.ini", "アクセスが許可されていません", EACCES},
        {"a read-only file", 0444, 0700, true, 0, "", "", "other/zormade.ini", 0,
         "other/zormade.ini", "書き込みが許可されていないファイルです", 0},
        {"a folder the player may not write", 0600, 0500, true, 0, "", "", "other/zormade.ini", 0,
         "other", "アクセスが許可されていません", EACCES},
        {"a full disk", 0640, 0700, true, 4096, "", "", "other/zormade.ini", 0, "other/zormade.ini",
         "ファイルが大きすぎます", EFBIG},
        {"a link into a missing folder", 0600, 0700, true, 0, "linked.ini", "missing/real.ini",
         "linked.ini", 2, "missing", "ファイルまたはフォルダーがありません", ENOENT},
        {"a name over 4096 bytes", 0600, 0700, true, 0, "", "", longName, 2, longName,
         "名前が長すぎます", ENAMETOOLONG},
        {"a player's link to another user's file", 0600, 0700, true, 0, "player/zormade.ini",
         "other/zormade.ini", "player/zormade.ini", 0, "player/zormade.ini", "シンボリックリンク",
         0, true},
        {"a player's link to another user's folder", 0600, 0700, true, 0, "player", "other",
         "player/zormade.ini", 0, "player", "シンボリックリンク", 0, true},
    };
    QTemporaryDir top;
    ASSERT_EQ(::chmod(QFile::encodeName(top.path()), 0711), 0);
    int n = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        // Only root can make a link of another user's.
        if (c.players && !root) continue;
        const QString base = top.filePath(QString::number(++n)) + "/";
        const QString folder = base + "other", file = folder + "/zormade.ini";
        ASSERT_TRUE(WriteFile(file, old));
        for (const QString& given : {base, folder})
            ASSERT_TRUE(!root || ::chown(QFile::encodeName(given), kNobody, kNobody) == 0);
        ASSERT_TRUE(!root || !c.owned || ::chown(QFile::encodeName(file), kNobody, kNobody) == 0);
        ASSERT_EQ(::chmod(QFile::encodeName(file), c.file), 0);
        ASSERT_EQ(::chmod(QFile::encodeName(folder), c.folder), 0);
        ASSERT_TRUE(c.link.isEmpty() || (QDir().mkpath(QFileInfo(base + c.link).absolutePath()) &&
                                         QFile::link(base + c.leadsTo, base + c.link)));
        ASSERT_TRUE(!c.players ||
                    ::lchown(QFile::encodeName(base + c.link), kPlayer, kPlayer) == 0);

        const auto save = [&] {
            IniProfile profile(base + c.path);
            const int level = profile.GetProfileInt("Option", "Level", 2);
            profile.WriteProfileString("Ranking", "Playername0", std::string(100000, 'N'));
            const bool saved = profile.Flush();
            return std::to_string(level) + (saved ? " saved " : " failed ") +
                   profile.FailedPath().toStdString() + ": " + profile.Error().toStdString();
        };
        const std::string report = InChild(c.sizeLimit, save, c.link.isEmpty());
        const std::string why = c.error ? "（" + std::string(std::strerror(c.error)) + "）" : "";
        const std::string start =
            std::to_string(c.level) + " failed " + (base + c.failed).toStdString();
        EXPECT_TRUE(report.rfind(start + ": ", 0) == 0 && report.find(c.words + why) != report.npos)
            << report;
        ::chmod(QFile::encodeName(folder), 0700);
        ::chmod(QFile::encodeName(file), 0600);
        EXPECT_EQ(ReadFile(file), old);
        QStringList left = QDir(folder).entryList(QDir::Files | QDir::Hidden);
        // The lock is made beside the profile, never beside where a link leads.
        if (c.path.startsWith("other/")) left.removeAll("zormade.ini.lock");
        EXPECT_EQ(left, QStringList{"zormade.ini"});
    }
}

// Told once there is something of this run's to save, not at every exit, and when the options are
// chosen, as the exit may never come.
TEST_F(ProfileTest, AReadOnlyProfileIsToldOfOnlyWhenThisRunHasSomethingToSave) {
    const QByteArray old = "[Option]\nLevel=1\n";
    ASSERT_TRUE(WriteFile(ProfilePath(), old));
    ASSERT_TRUE(QFile::setPermissions(ProfilePath(), QFile::ReadOwner | QFile::ReadGroup));
    // The file first, then why.
    const QString told =
        "保存できませんでした。\n" + ProfilePath() + "\n書き込みが許可されていない";
    for (const bool changed : {false, true}) {
        StartAgain();
        if (changed) {
            Session().Options().level = Level::Hardest;
            ModalSequence windows({ClickButton("OK"), ClickButton("OK")});
            Trigger("options");
            ASSERT_TRUE(windows.Done());
            EXPECT_TRUE(windows.Windows()[1].text.contains(told))
                << windows.Windows()[1].text.toStdString();
        }
        EXPECT_EQ(ExitComplaint().contains(told), changed);
    }
    EXPECT_EQ(ReadFile(ProfilePath()), old);
}

// A lock file that cannot be locked is passed over as one another program holds is: the save goes
// ahead, and the notice names the lock file and what is wrong with it, in words of ours.
TEST_F(ProfileTest, AnUnusableLockFileIsPassedOverAsABusyOneIsAndTheNoticeSaysWhy) {
    const struct {
        const char* kind;
        const char* told;
    } cases[] = {{"folder", "通常のファイルではありません"},
                 {"socket", "通常のファイルではありません"},
                 {"link", "シンボリックリンクです"},
                 {"link into a missing folder", "シンボリックリンクです"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.kind);
        UseFreshFolder();
        const QString lock = ProfilePath() + ".lock", elsewhere = configHome->filePath("other.txt");
        const std::string kind = c.kind;
        ASSERT_TRUE(WriteFile(ProfilePath(), "[Option]\nLevel=1\n") && WriteFile(elsewhere, "x"));
        ASSERT_TRUE(kind != "folder" || QDir().mkpath(lock));
        ASSERT_TRUE(kind != "link" || QFile::link(elsewhere, lock));
        ASSERT_TRUE(kind != "link into a missing folder" || QFile::link(lock + "-gone/x", lock));
        ASSERT_TRUE(kind != "socket" || ::mknod(QFile::encodeName(lock), S_IFSOCK | 0600, 0) == 0);
        IniProfile profile(ProfilePath());
        profile.WriteProfileInt("Option", "Speed", 0);
        EXPECT_TRUE(profile.Flush()) << profile.Error().toStdString();
        const QString notice = profile.Notice();
        EXPECT_TRUE(notice.contains(lock + " をロックに使えなかったため（" + c.told) &&
                    notice.contains("待たずに保存しました"))
            << notice.toStdString();
        EXPECT_EQ(IniProfile(ProfilePath()).GetProfileInt("Option", "Speed", 2), 0);
        EXPECT_EQ(ReadFile(elsewhere), "x");
        EXPECT_FALSE(QFileInfo::exists(lock + "-gone"));
    }
}

// Root's first run in a player's home: what it makes there is the player's, who can save later.
// What the run wrote it reads before the save, under the section and key it was given.
TEST_F(ProfileTest, WhatAFirstRunMakesInAnotherUsersFolderIsThatUsers) {
    QTemporaryDir top;
    ASSERT_EQ(::chmod(QFile::encodeName(top.path()), 0711), 0);
    const QString home = top.filePath("home");
    ASSERT_TRUE(QDir().mkpath(home));
    const uid_t player = ::geteuid() == 0 ? kNobody : ::geteuid();
    ASSERT_EQ(::chown(QFile::encodeName(home), player, player), 0);
    const QString path = home + "/.config/zormade/zormade.ini";
    IniProfile profile(path);
    profile.WriteProfileInt("Option", "Level", 0);
    profile.WriteProfileString("Ranking", "Playername0", "表示");
    EXPECT_EQ(std::make_tuple(profile.GetProfileInt("Option", "Level", 2),
                              profile.GetProfileString("Ranking", "Playername0", ""),
                              profile.GetProfileInt("Level", "Option", 2),
                              profile.GetProfileString("Playername0", "Ranking", "none")),
              std::make_tuple(0, std::string("表示"), 2, std::string("none")));
    ASSERT_TRUE(profile.Flush()) << profile.Error().toStdString();
    for (const QString& made : {home + "/.config", home + "/.config/zormade", path, path + ".lock"})
        EXPECT_EQ(QFileInfo(made).ownerId(), player) << made.toStdString();
    const std::string report = InChild(0, [&] {
        IniProfile later(path);
        later.WriteProfileInt("Option", "Level", 1);
        return later.Flush() ? std::string("saved") : later.Error().toStdString();
    });
    EXPECT_EQ(report, "saved");
}

// A file of exactly the largest size the game reads grows past it with an entry; what the game
// wrote itself is read back at the exit all the same.
TEST_F(ProfileTest, AProfileOfExactlyTheLargestSizeTakesAnEntryAndItsExitIsNoFailure) {
    ASSERT_TRUE(WriteFile(ProfilePath(), "[Option]\nSpeed=0\n") &&
                QFile::resize(ProfilePath(), kLargestProfile));
    StartAgain();
    EXPECT_EQ(Session().Options().speed, Speed::Fastest);
    ModalSequence windows({EnterName("BIG"), PressKey(Qt::Key_Escape)});
    Frame().EnterRanking(8997);
    EXPECT_TRUE(windows.Done());
    EXPECT_GT(QFileInfo(ProfilePath()).size(), kLargestProfile);
    Session().Options().level = Level::Hardest;
    EXPECT_EQ(ExitComplaint(), "");
    const QByteArray written = ReadFile(ProfilePath());
    EXPECT_TRUE(written.contains("\nLevel=0\n") && written.contains("\nPlayername0=BIG\n"));
}

// Where the profile is when the environment says little: a relative $XDG_CONFIG_HOME is ignored,
// and without $HOME the home folder is the user database's.
TEST(ProfilePlace, ARelativeConfigFolderIsIgnoredAndAMissingHomeComesFromTheUserDatabase) {
    const QByteArray savedHome = qgetenv("HOME"), savedConfig = qgetenv("XDG_CONFIG_HOME");
    const QString databaseHome = QFile::decodeName(::getpwuid(::geteuid())->pw_dir);
    // clang-format off
    const struct { const char* home; const char* config; QString expected; } cases[] = {
        {"/h", "/c", "/c/zormade/zormade.ini"},
        {"/h", "relative", "/h/.config/zormade/zormade.ini"},
        {"/h", nullptr, "/h/.config/zormade/zormade.ini"},
        {nullptr, nullptr, databaseHome + "/.config/zormade/zormade.ini"},
        {"", "", databaseHome + "/.config/zormade/zormade.ini"},
    };
    // clang-format on
    for (const auto& c : cases) {
        for (const auto& [variable, value] :
             {std::pair("HOME", c.home), std::pair("XDG_CONFIG_HOME", c.config)})
            value ? qputenv(variable, value) : qunsetenv(variable);
        EXPECT_EQ(IniProfile::DefaultPath(), c.expected) << (c.home ? c.home : "(unset)");
    }
    qputenv("HOME", savedHome);
    qputenv("XDG_CONFIG_HOME", savedConfig);
}

// Names in the code page the Windows programs of the time kept profiles in, or in UTF-16; a name
// that cannot be read in either is shown as far as it can be, and its bytes go back as they were
// (other damage is the document's own test). A very long name is kept whole and shown only as
// far as its control goes.
TEST_F(ProfileTest, NamesInOtherEncodingsOrDamagedOrVeryLongAreShownAndKeptThroughAnExit) {
    const QString text = "[Ranking]\r\nPlayer0=9000\r\nPlayername0=ﾅｶﾞﾚ全角\r\nPlayername1=Bob\r\n";
    QStringEncoder cp932("windows-31j");
    QStringEncoder utf16(QStringEncoder::Utf16LE, QStringEncoder::Flag::WriteBom);
    QStringEncoder utf16le(QStringEncoder::Utf16LE), utf16be(QStringEncoder::Utf16BE);
    // A backslash is the second byte of ソ, 表, 能 and many more in code page 932.
    const QString backslashes = "ソ101表x41表示ソフト";
    const QByteArray top = "[Ranking]\nPlayer0=9000\nPlayername1=Bob\nPlayername0=",
                     loneLead = "ab\x83", longName = QString(100000, QChar(u'長')).toUtf8();
    const struct {
        const char* what;
        QByteArray file, shown, kept;
    } cases[] = {
        {"code page 932", cp932.encode(text), "ﾅｶﾞﾚ全角", "Playername0=ﾅｶﾞﾚ全角\n"},
        {"UTF-16, a pair of surrogates", utf16.encode(QString(text).replace("全", "𠮷")),
         "ﾅｶﾞﾚ𠮷角", "Playername0=ﾅｶﾞﾚ𠮷角\n"},
        {"UTF-16 without its mark", utf16le.encode(text), "ﾅｶﾞﾚ全角", "Playername0=ﾅｶﾞﾚ全角\n"},
        {"big-endian UTF-16 without its mark", utf16be.encode(text), "ﾅｶﾞﾚ全角",
         "Playername0=ﾅｶﾞﾚ全角\n"},
        {"code page 932 with backslash bytes",
         cp932.encode(QString(text).replace("ﾅｶﾞﾚ全角", backslashes)), backslashes.toUtf8(),
         "Playername0=" + backslashes.toUtf8() + "\n"},
        {"a lone lead byte at the end", top + loneLead, "ab\uFFFD",
         "Playername0=" + loneLead + "\n"},
        {"a very long name", top + longName, longName, longName},
    };
    auto firstTwo = [](Rows rows) { return Rows(rows.begin(), rows.begin() + 2); };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        UseFreshFolder();
        ASSERT_TRUE(WriteFile(ProfilePath(), c.file));
        StartAgain();
        const Rows shown{"9000 " + c.shown.toStdString(), "1300 Bob"};
        EXPECT_EQ(firstTwo(RowsOf(Session().Ranking())), shown);
        QString inDialog;
        ModalAnswer ranking([&](QWidget* w) {
            inDialog = DialogText(w, 1016);
            PressKey(Qt::Key_Escape)(w);
        });
        Trigger("ranking");
        // A name that fills its control (20 characters do) is shown as far as it goes.
        const QString name = QString::fromUtf8(c.shown);
        EXPECT_TRUE(name.startsWith(inDialog)) << inDialog.size();
        EXPECT_GE(inDialog.size(), std::min<qsizetype>(name.size(), 20));
        EXPECT_LT(inDialog.size(), 1000);
        EXPECT_EQ(ExitComplaint(), "");
        EXPECT_EQ(firstTwo(StoredRanking(ProfilePath())), shown);
        const QByteArray written = ReadFile(ProfilePath());
        EXPECT_TRUE(written.contains(c.kept) && !written.contains('\0')) << written.toStdString();
    }
}

// The player's own files beside the profile, whatever their names, stay; only a temporary file
// of the game's own is stale. A user's extended attributes (a tag, a note) stay with the file the
// save puts in its place.
TEST_F(ProfileTest, TheExitWritesThroughALinkKeepsModeOwnerAndNotesAndRemovesOnlyItsTemporaries) {
    const QString elsewhere = configHome->filePath("elsewhere/");
    const QString target = elsewhere + "real.ini";
    ASSERT_TRUE(WriteFile(target, "[Option]\nSpeed=0\n"));
    ASSERT_EQ(::setxattr(QFile::encodeName(target), "user.note", "mine", 4, 0), 0);
    ASSERT_EQ(::chmod(QFile::encodeName(target), 0640), 0);
    // Root runs the game on a player's profile.
    const uid_t owner = ::geteuid() == 0 ? kNobody : ::geteuid();
    const gid_t group = ::geteuid() == 0 ? kNobody : ::getegid();
    ASSERT_EQ(::chown(QFile::encodeName(target), owner, group), 0);
    const QStringList players{
        "real.ini.backup", "real.ini.BACKUP.lock", "real.ini.backup.before", "real.ini.AbC123",
        "real.ini.bak",    ".real.ini.~tmp~AbC12", ".real.ini.~tmp~AbC1234"};
    for (const QString& name : players + QStringList{".real.ini.~tmp~AbC123"})
        ASSERT_TRUE(WriteFile(elsewhere + name, "left"));
    UseFreshFolder();
    ASSERT_TRUE(QDir().mkpath(QFileInfo(ProfilePath()).absolutePath()));
    // A relative link, as `ln -s ../../elsewhere/real.ini` makes: it leads from the link's folder.
    const QString relative = QDir(QFileInfo(ProfilePath()).absolutePath()).relativeFilePath(target);
    ASSERT_EQ(::symlink(QFile::encodeName(relative), QFile::encodeName(ProfilePath())), 0);
    StartAgain();
    EXPECT_EQ(Session().Options().speed, Speed::Fastest);
    EXPECT_EQ(ExitComplaint(), "");

    EXPECT_TRUE(QFileInfo(ProfilePath()).isSymLink());
    EXPECT_EQ(KeyCount(target), 13);
    struct stat status {};
    ASSERT_EQ(::stat(QFile::encodeName(target), &status), 0);
    EXPECT_EQ(std::tuple(status.st_mode & 07777, status.st_uid, status.st_gid),
              std::tuple(mode_t(0640), owner, group));
    char note[16] = {};
    EXPECT_EQ(::getxattr(QFile::encodeName(target), "user.note", note, sizeof note), 4);
    EXPECT_STREQ(note, "mine");
    // The lock is beside the link, never beside where it leads.
    QStringList expected = players + QStringList{"real.ini"};
    expected.sort();
    EXPECT_EQ(QDir(elsewhere).entryList(QDir::Files | QDir::Hidden, QDir::Name), expected);
    EXPECT_TRUE(QFileInfo::exists(ProfilePath() + ".lock"));
}

using TerminationTest = AppTest;

// Copies of the game on one profile folder, each ended by the signal, in the order they started
// or the reverse; one that made its entry the usual way, which saved it, waits in the main loop.
// They run the program's own start-up, so each signal also proves its handler is in place. Every
// clear scores 8997; of equal scores the later save's entry comes first. Another program that
// never lets the lock go delays the exit by the bound at most; the save is made anyway, and told.
TEST_F(TerminationTest,
       ASignalWithTheResultDialogOrTheNameEntryOpenMakesTheEntryBesideOtherCopies) {
    // Together: every copy signalled before any is waited for, so they save in either order.
    const struct {
        int signal;
        QList<QStringList> copies;
        bool reverse;
        std::vector<std::string> ranked;
        bool together = false, held = false;
    } cases[] = {
        {SIGTERM, {{"end-dialog"}}, false, {"ZORMADER"}},
        {SIGHUP, {{"name-entry", "ﾅｶﾞﾚ"}}, false, {"ﾅｶﾞﾚ"}},
        {SIGINT, {{"name-entry", ""}}, false, {"ZORMADER"}},
        {SIGTERM, {{"enter", "FIRST"}, {"name-entry", "SECOND"}}, false, {"SECOND", "FIRST"}},
        {SIGTERM, {{"enter", "FIRST"}, {"name-entry", "SECOND"}}, true, {"SECOND", "FIRST"}},
        {SIGTERM, {{"name-entry", "A"}, {"name-entry", "B"}}, false, {"A", "B"}, true},
        {SIGTERM, {{"name-entry", "HELD"}}, false, {"HELD"}, false, true},
        // No folder can be made for the profile, so nothing is ranked. The failed save goes to
        // standard error: a box would keep the ending program alive.
        {SIGTERM, {{"end-dialog"}}, false, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.ranked) + " " + std::to_string(c.signal));
        QTemporaryDir home;
        const QString profile = home.filePath("zormade/zormade.ini");
        const bool writable = !c.ranked.empty();
        ASSERT_TRUE(writable || WriteFile(QFileInfo(profile).absolutePath(), "no folder"));
        const auto holder = c.held ? std::make_unique<LockHolder>(profile + ".lock") : nullptr;
        ASSERT_TRUE(!holder || holder->Held());
        std::vector<std::unique_ptr<QProcess>> copies;
        for (const QStringList& arguments : c.copies) {
            copies.push_back(StartCopy(arguments, home.path()));
            ASSERT_TRUE(copies.back()) << arguments.join(' ').toStdString();
        }
        if (c.reverse) std::reverse(copies.begin(), copies.end());
        QString errors;
        const auto signal = [&c](const auto& copy) { ::kill(pid_t(copy->processId()), c.signal); };
        if (c.together) std::for_each(copies.begin(), copies.end(), signal);
        for (const auto& copy : copies) {
            if (!c.together) signal(copy);
            ASSERT_TRUE(copy->waitForFinished(
                kWaitMs + (c.held ? static_cast<int>(kLongestLockWait.count()) : 0)));
            errors += QString::fromLocal8Bit(copy->readAllStandardError());
            // A session script can tell a lost save by the status.
            EXPECT_EQ(std::make_pair(copy->exitStatus(), copy->exitCode()),
                      std::make_pair(QProcess::NormalExit, writable ? 0 : 1))
                << errors.toStdString();
        }
        // It names the file in the way of the folder.
        const QString folder = QFileInfo(profile).absolutePath(), lock = profile + ".lock";
        EXPECT_EQ(std::pair(errors.contains("保存できませんでした") && errors.contains(folder),
                            errors.contains("待たずに保存しました") && errors.contains(lock)),
                  std::pair(!writable, c.held))
            << errors.toStdString();
        Rows expected;
        for (const std::string& name : c.ranked) expected.push_back("8997 " + name);
        expected.insert(expected.end(), kDefaultRows.begin(), kDefaultRows.end() - expected.size());
        Rows stored = StoredRanking(profile);
        if (c.together) std::sort(stored.begin(), stored.begin() + c.ranked.size());
        EXPECT_EQ(stored, expected);
        EXPECT_EQ(KeyCount(profile), writable ? 13 : 0);
    }
}

// Another copy took the lock and stalls before its rename (a slow sync, a debugger) while this
// one saves its entry without the lock; the stalled copy's older table then lands over it. The
// exit puts the entry back, or, while the lock is still held, says which entry it cannot be sure
// of, by the name as it was entered: a name "%2" is no place for the score.
TEST_F(TerminationTest, AnEntrySavedWithoutTheLockIsPutBackOrNamedAtTheExit) {
    const QByteArray stalled = "[Ranking]\nPlayer0=9000\nPlayername0=STALLED\n";
    for (const bool heldAtExit : {false, true}) {
        SCOPED_TRACE(heldAtExit ? "held at the exit" : "let go before the exit");
        ASSERT_TRUE(WriteFile(ProfilePath(), stalled));
        StartAgain();
        auto holder = std::make_unique<LockHolder>(ProfilePath() + ".lock");
        ASSERT_TRUE(holder->Held());
        ModalSequence entry({EnterName("%2"), ClickButton("OK"), PressKey(Qt::Key_Escape)});
        Frame().EnterRanking(8997);
        ASSERT_TRUE(entry.Done());
        EXPECT_TRUE(entry.Windows()[1].text.contains("待たずに保存しました"));
        EXPECT_EQ(StoredRanking(ProfilePath())[1], "8997 %2");
        ASSERT_TRUE(WriteFile(ProfilePath(), stalled));
        if (!heldAtExit) holder.reset();
        ModalSequence exit({ClickButton("OK"), ClickButton("OK")});
        Trigger("exit");
        const Rows merged{"9000 STALLED", "8997 %2", "1300 ??????", "820 ??????", "610 ??????"};
        EXPECT_EQ(StoredRanking(ProfilePath()), merged);
        EXPECT_EQ(exit.Windows().size(), heldAtExit ? 2u : 0u);
        if (heldAtExit && exit.Done()) {
            EXPECT_TRUE(exit.Windows()[1].text.contains("確かめられませんでした。\n%2（8997点）"))
                << exit.Windows()[1].text.toStdString();
        }
    }
}

// The player chose the exit and the window seems frozen: a signal ends the wait at once, also
// one that came just before the wait began and was not acted on yet.
class SignalDuringExitTest : public TerminationTest, public testing::WithParamInterface<bool> {};

TEST_P(SignalDuringExitTest, CutsTheWaitForAHeldLockShortAndTheBoxTellsOfIt) {
    const bool before = GetParam();
    LockHolder holder(ProfilePath() + ".lock");
    ASSERT_TRUE(holder.Held());
    TerminationSignals termination([] {});
    Session().Options().speed = Speed::Fastest;
    const pthread_t mainThread = ::pthread_self();
    std::atomic<bool> exited{false};
    if (before) ::raise(SIGINT);
    std::thread signaller([&] {
        for (; !before && !exited; ::poll(nullptr, 0, 50)) ::pthread_kill(mainThread, SIGINT);
    });
    QElapsedTimer waited;
    waited.start();
    ModalAnswer box(ClickButton("OK"));
    Trigger("exit");
    exited = true;
    signaller.join();
    EXPECT_LT(waited.elapsed(), kLongestLockWait.count() / 2);
    EXPECT_TRUE(box.Answered() && box.Window().text.contains("待たずに保存しました"))
        << box.Window().text.toStdString();
    EXPECT_EQ(IniProfile(ProfilePath()).GetProfileInt("Option", "Speed", 2), 0);
}

INSTANTIATE_TEST_SUITE_P(BeforeOrDuringTheWait, SignalDuringExitTest, testing::Bool());

TEST(TerminationSignals, EachSignalCallsBackOnceFromTheEventLoopAndTheOldHandlersReturn) {
    for (int signal : TerminationSignals::kSignals) {
        struct sigaction before = {};
        ::sigaction(signal, nullptr, &before);
        {
            int calls = 0;
            TerminationSignals termination([&] { ++calls; });
            ASSERT_TRUE(termination.Installed());
            for (int twice = 0; twice < 2; ++twice) ::raise(signal);
            EXPECT_EQ(calls, 0) << "a handler must not call back from inside the signal";
            EXPECT_TRUE(QTest::qWaitFor([&] { return calls > 0; }, kWaitMs)) << signal;
            // Two turns of the loop: a second wake-up left in the socket would have come by then.
            bool settled = false;
            QTimer::singleShot(0, [&] { QTimer::singleShot(0, [&] { settled = true; }); });
            EXPECT_TRUE(QTest::qWaitFor([&] { return settled; }, kWaitMs));
            EXPECT_EQ(calls, 1) << "two signals read in one go end the program once";
        }
        struct sigaction after = {};
        ::sigaction(signal, nullptr, &after);
        EXPECT_EQ(after.sa_handler, before.sa_handler) << signal;
    }
}

}  // namespace
}  // namespace zormade::test
