#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QProcess>
#include <QScreen>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <ctime>
#include <functional>

#include "app_fixture.h"
#include "platform/ini_profile.h"
#include "platform/resources.h"
#include "profile_files.h"
#include "ui_helpers.h"

namespace zormade::test {
namespace {

using Names = std::array<std::string, 5>;
using Points = std::array<std::uint32_t, 5>;

const Names kDefaultNames{"ZORMASTER", "??????", "??????", "??????", "??????"};
const Points kDefaultPoints{1570, 1300, 820, 610, 450};

// True when this process may write into `folder` whatever its permission bits say (root may).
bool CanWriteInto(const QString& folder) {
    QFile probe(folder + "/probe");
    const bool written = probe.open(QIODevice::WriteOnly);
    probe.remove();
    return written;
}

class ProfileTest : public AppTest {
protected:
    // Points the program at a new, empty profile folder, so no earlier read of the same path
    // can be remembered.
    void UseFreshFolder() {
        qputenv("XDG_CONFIG_HOME", configHome->filePath(QString::number(++folders)).toUtf8());
    }

    // Exits through the menu; true when the exit had to say that the profile was not written.
    bool ExitComplained(QString* text = nullptr, QString* caption = nullptr) {
        ModalAnswer box(ClickButton("OK"));
        Trigger(ID_APP_EXIT);
        if (text) *text = box.Window().text;
        if (caption) *caption = box.Window().title;
        return box.Answered();
    }

    void ExpectLoaded(const Names& names, const Points& points, int level, int speed, int opening,
                      const char* when) {
        EXPECT_EQ(View().Ranking().names, names) << when;
        EXPECT_EQ(View().Ranking().points, points) << when;
        EXPECT_EQ(View().Options().level, level) << when;
        EXPECT_EQ(View().Options().speed, speed) << when;
        EXPECT_EQ(View().Options().skipOpening, opening) << when;
    }

    int folders = 0;
};

TEST_F(ProfileTest, WithoutAProfileTheDefaultsPlayAndTheFirstExitWritesAllThirteenKeys) {
    ExpectLoaded(kDefaultNames, kDefaultPoints, 2, 2, 0, "without a profile");
    EXPECT_FALSE(ExitComplained());
    const QMap<QString, QString> expected{
        {"Ranking/Playername0", "ZORMASTER"}, {"Ranking/Playername1", "??????"},
        {"Ranking/Playername2", "??????"},    {"Ranking/Playername3", "??????"},
        {"Ranking/Playername4", "??????"},    {"Ranking/Player0", "1570"},
        {"Ranking/Player1", "1300"},          {"Ranking/Player2", "820"},
        {"Ranking/Player3", "610"},           {"Ranking/Player4", "450"},
        {"Option/Level", "2"},                {"Option/Speed", "2"},
        {"Option/Opening", "0"},
    };
    EXPECT_EQ(KeysIn(ProfilePath()), expected);
}

TEST_F(ProfileTest, TheInitialUpdatePlacesTheWindowAndSeedsTheDrawsFromTheClock) {
    const auto before = static_cast<std::uint32_t>(std::time(nullptr));
    StartAgain();
    const auto after = static_cast<std::uint32_t>(std::time(nullptr));

    Random15 drawn = View().Random();
    const int first = drawn.Next();
    bool seededFromTheClock = false;
    for (std::uint32_t seconds = before; seconds <= after; ++seconds) {
        seededFromTheClock |= Random15(seconds).Next() == first;
    }
    EXPECT_TRUE(seededFromTheClock);

    const QRect desktop = QGuiApplication::primaryScreen()->geometry();
    const int right = desktop.x() + desktop.width();
    const int bottom = desktop.y() + desktop.height();
    EXPECT_EQ(Frame().frameGeometry(), QRect((right - 555) / 2, (bottom - 544) / 2, 555, 544));
}

TEST_F(ProfileTest, NamesAndPointsComeBackExactlyAsTheyWereWritten) {
    const Names names{"  ", "a,b;c=d\"e", "@Variant(0) \\x", "ﾅｶﾞﾚ ﾔｯｹﾝ", "全角の名前は長くてもよい"};
    const Points points{4294967295u, 2147483648u, 7, 1, 0};
    View().Ranking().names = names;
    View().Ranking().points = points;
    View().Options() = GameOptions{7, -1, 1};
    Restart();
    ExpectLoaded(names, points, 7, -1, 1, "after the restart");
}

TEST_F(ProfileTest, ADamagedProfileNeverStopsTheStartAndEachBadKeyFallsBackAlone) {
    const std::string longName(100000, 'N');
    const struct {
        const char* what;
        std::function<void(const QString&)> damage;
        Names names;
        Points points;
        int level, speed, opening;
        bool writable;
    } cases[] = {
        {"a section missing", [](const QString& p) { WriteFile(p, "[Option]\nSpeed=0\n"); },
         kDefaultNames, kDefaultPoints, 2, 0, 0, true},
        {"numbers that are no numbers",
         [](const QString& p) {
             WriteFile(p, "[Ranking]\nPlayer0=12abc\nPlayer1= 999 \nPlayer2=\nPlayer3=0x10\n"
                          "Player4=4294967295\nPlayername1=\n[Option]\nLevel=zz\nSpeed=-1\nOpening=1.0\n");
         },
         {"ZORMASTER", "", "??????", "??????", "??????"}, {1570, 999, 820, 610, 4294967295u}, 2, -1, 0,
         true},
        {"a name of 100000 characters",
         [&](const QString& p) { WriteFile(p, "[Ranking]\nPlayername2=" + QByteArray::fromStdString(longName)); },
         {"ZORMASTER", "??????", longName, "??????", "??????"}, kDefaultPoints, 2, 2, 0, true},
        {"bytes that are not UTF-8",
         [](const QString& p) {
             WriteFile(p, "[Ranking]\nPlayername0=\x82\xa0\x82\xa2\nPlayername1=ok\nPlayer0=\x82\xa0\n");
         },
         {"ZORMASTER", "ok", "??????", "??????", "??????"}, kDefaultPoints, 2, 2, 0, true},
        {"binary garbage",
         [](const QString& p) { WriteFile(p, QByteArray("\x00\x01\x02[Ranking\nPlayer0\n\xff\xfe;\n", 22)); },
         kDefaultNames, kDefaultPoints, 2, 2, 0, true},
        {"a directory", [](const QString& p) { QDir().mkpath(p); }, kDefaultNames, kDefaultPoints, 2, 2, 0,
         false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        UseFreshFolder();
        c.damage(ProfilePath());
        StartAgain();
        ExpectLoaded(c.names, c.points, c.level, c.speed, c.opening, c.what);
        EXPECT_EQ(ExitComplained(), !c.writable);
        if (!c.writable) continue;
        // What was read is what was written back, and it reads again the same.
        StartAgain();
        ExpectLoaded(c.names, c.points, c.level, c.speed, c.opening, c.what);
        EXPECT_EQ(KeysIn(ProfilePath()).size(), 13);
    }
}

TEST_F(ProfileTest, TheRankingOpensOnAVeryLongStoredName) {
    const QString longName(100000, QChar(u'長'));
    ASSERT_TRUE(WriteFile(ProfilePath(), "[Ranking]\nPlayername0=" + longName.toUtf8() + "\n"));
    StartAgain();
    QString shown;
    ModalAnswer ranking([&](QWidget* w) {
        shown = DialogText(w, 1016);
        PressKey(Qt::Key_Escape)(w);
    });
    Trigger(ID_RANKING);
    EXPECT_EQ(shown, longName);
}

TEST_F(ProfileTest, AnUnreadableProfileStartsWithTheDefaults) {
    ASSERT_TRUE(WriteFile(ProfilePath(), "[Ranking]\nPlayer0=5\n"));
    QFile::setPermissions(ProfilePath(), QFileDevice::WriteOwner);
    QFile probe(ProfilePath());
    if (probe.open(QIODevice::ReadOnly)) GTEST_SKIP() << "this user reads the file anyway";
    StartAgain();
    ExpectLoaded(kDefaultNames, kDefaultPoints, 2, 2, 0, "unreadable");
}

TEST_F(ProfileTest, FlushSaysWhetherTheNewFileIsInPlaceWhateverTheReadMet) {
    const QString folder = configHome->filePath("flush");
    const struct {
        const char* what;
        std::function<void(const QString&)> before;  // before the profile is read
        std::function<void(const QString&)> between;  // after the read, before the write
        bool written;
    } cases[] = {
        {"garbage that failed to read", [](const QString& p) { WriteFile(p, "[Ranking\nnonsense\n"); },
         [](const QString&) {}, true},
        {"a directory gone before the write", [](const QString& p) { QDir().mkpath(p); },
         [](const QString& p) { QDir(p).removeRecursively(); }, true},
        {"a directory in the way", [](const QString& p) { QDir().mkpath(p); }, [](const QString&) {}, false},
        {"a file where the folder should be",
         [](const QString& p) { WriteFile(QFileInfo(p).absolutePath(), "not a folder"); },
         [](const QString&) {}, false},
    };
    int n = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const QString path = QStringLiteral("%1/%2/sub/zormade.ini").arg(folder).arg(++n);
        c.before(path);
        IniProfile profile(path);
        EXPECT_EQ(profile.GetProfileInt("Ranking", "Player0", 1570), 1570);
        c.between(path);
        profile.WriteProfileInt("Ranking", "Player0", 42);
        EXPECT_EQ(profile.Flush(), c.written);
        EXPECT_EQ(KeysIn(path).value("Ranking/Player0"), c.written ? "42" : "");
    }
}

TEST_F(ProfileTest, FlushFailsInAFolderItMayNotWrite) {
    const QString folder = configHome->filePath("locked");
    const QString path = folder + "/zormade.ini";
    ASSERT_TRUE(WriteFile(path, "[Ranking]\nPlayer0=5\n"));
    const auto unlock = [&] {
        QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    };
    QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    if (CanWriteInto(folder)) {
        unlock();
        GTEST_SKIP() << "this user writes into read-only folders";
    }
    IniProfile profile(path);
    profile.WriteProfileInt("Ranking", "Player0", 42);
    EXPECT_FALSE(profile.Flush());
    unlock();
    EXPECT_EQ(KeysIn(path).value("Ranking/Player0"), "5");
}

TEST_F(ProfileTest, TheNewFileTakesTheOldOnesPlaceInOneStepAndKeepsOtherKeys) {
    const QByteArray old = "[Other]\nkept=yes\n[Ranking]\nPlayer0=5\n";
    ASSERT_TRUE(WriteFile(ProfilePath(), old));
    QFile oldFile(ProfilePath());
    ASSERT_TRUE(oldFile.open(QIODevice::ReadOnly));

    IniProfile profile(ProfilePath());
    profile.WriteProfileInt("Ranking", "Player0", 42);
    ASSERT_TRUE(profile.Flush());

    // The file opened before the write still holds the old text: nothing was written into it.
    EXPECT_EQ(oldFile.readAll(), old);
    const QMap<QString, QString> keys = KeysIn(ProfilePath());
    EXPECT_EQ(keys.value("Ranking/Player0"), "42");
    EXPECT_EQ(keys.value("Other/kept"), "yes");
    EXPECT_EQ(QDir(QFileInfo(ProfilePath()).absolutePath()).entryList(QDir::Files | QDir::Hidden),
              QStringList{"zormade.ini"});
}

TEST_F(ProfileTest, AKillDuringTheWriteLeavesOneWholeFile) {
    const QString path = ProfilePath();
    for (int kill = 0; kill < 12; ++kill) {
        QProcess writer;
        writer.start(PROFILE_WRITER, {path});
        ASSERT_TRUE(writer.waitForReadyRead(10000)) << "the writer did not start";
        QTest::qWait(5 + kill * 7);
        writer.kill();
        ASSERT_TRUE(writer.waitForFinished(10000));
        ASSERT_EQ(writer.exitStatus(), QProcess::CrashExit) << "the writer stopped before the kill";

        const QMap<QString, QString> keys = KeysIn(path);
        ASSERT_EQ(keys.size(), 13) << "after kill " << kill;
        const QString name = keys.value("Ranking/Playername0");
        const QString points = keys.value("Ranking/Player0");
        const bool shortTable = name == "short" && points == "1";
        const bool longTable = name == QString(20000, 'L') && points == "2";
        EXPECT_TRUE(shortTable || longTable) << "after kill " << kill << ": " << name.size() << " " << points.toStdString();
    }
}

TEST_F(ProfileTest, AnExitThatCannotWriteTheProfileSaysSo) {
    UseFreshFolder();
    ASSERT_TRUE(WriteFile(QFileInfo(ProfilePath()).absolutePath(), "a file where the folder goes"));
    StartAgain();
    QString text, caption;
    EXPECT_TRUE(ExitComplained(&text, &caption));
    EXPECT_TRUE(text.contains("保存できませんでした")) << text.toStdString();
    EXPECT_TRUE(text.contains(ProfilePath())) << text.toStdString();
    EXPECT_EQ(caption, LoadResourceString(57344));
    EXPECT_FALSE(Frame().isVisible());
}

}  // namespace
}  // namespace zormade::test
