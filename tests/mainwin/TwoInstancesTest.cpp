// Two program instances as two real processes on one public database folder:
// the record locks keep a card's record from the other instance, and
// alternating edits leave every record and every index intact.
#include "CycleInstance.h"
#include "support/DatabaseFixture.h"
#include "support/ScriptedInteraction.h"

#include "mainwin/HeldCardValues.h"
#include "mainwin/RecordCycle.h"
#include "store/RecordEditor.h"
#include "store/FieldModel.h"
#include "store/RecordStore.h"

#include <array>
#include <cstdio>
#include <functional>
#include <gtest/gtest.h>
#include <poll.h>
#include <set>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace zendrova::test {
namespace {

constexpr int kCardName = 0;
constexpr int kSport = 1;
constexpr int kSportPosition = kSport + FieldModel::kFirstUserPosition;

// The second process and a line-based channel to it. The child's own test
// failures cannot reach this process, so it reports what it saw as lines.
class OtherProcess
{
public:
    explicit OtherProcess(const std::function<void(OtherProcess &)> &body)
    {
        std::array<int, 2> down {}, up {};
        if (::pipe(down.data()) != 0 || ::pipe(up.data()) != 0)
            return;
        m_pid = ::fork();
        if (m_pid == 0) {
            ::close(down[1]);
            ::close(up[0]);
            m_in = down[0];
            m_out = up[1];
            body(*this);
            ::_exit(0); // no destructors: the parent owns the temporary folders
        }
        ::close(down[0]);
        ::close(up[1]);
        m_in = up[0];
        m_out = down[1];
    }
    ~OtherProcess()
    {
        ::close(m_in);
        ::close(m_out);
        if (m_pid > 0)
            ::waitpid(m_pid, nullptr, 0);
    }
    OtherProcess(const OtherProcess &) = delete;
    OtherProcess &operator=(const OtherProcess &) = delete;

    bool started() const { return m_pid > 0; }

    void send(const QString &line)
    {
        const QByteArray bytes = line.toUtf8() + '\n';
        qsizetype done = 0;
        while (done < bytes.size()) {
            const ssize_t n = ::write(m_out, bytes.constData() + done, size_t(bytes.size() - done));
            if (n <= 0)
                return;
            done += n;
        }
    }

    // The next line; "(no answer)" when the other side died or went silent.
    QString receive()
    {
        QByteArray line;
        char c = 0;
        pollfd wait { m_in, POLLIN, 0 };
        while (::poll(&wait, 1, 20000) == 1 && ::read(m_in, &c, 1) == 1) {
            if (c == '\n')
                return QString::fromUtf8(line);
            line += c;
        }
        return QStringLiteral("(no answer)");
    }

private:
    pid_t m_pid = -1;
    int m_in = -1;
    int m_out = -1;
};

QString sportOfTurn(int turn)
{
    return QStringLiteral("Edit %1").arg(turn);
}

class TwoInstancesTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        DatabaseFixture::expectNewDatabase(user);
        Instance setup(fixture.state);
        ASSERT_TRUE(setup.open());
        for (int i = 0; i < kRecords; ++i) {
            setup.cycle.newRecord();
            setup.values.setText(
                kCardName, QStringLiteral("Card %1").arg(i, 2, 10, QLatin1Char('0')));
        }
        setup.cycle.showRecord(0); // saves the last new card
        ASSERT_TRUE(setup.cycle.release());
        setup.store.closeAll(); // the other process must not share these file descriptions
    }

    // Edits the sport of list row `row` and saves it; the mismatch when the
    // card did not show what the other instance saved last.
    static QString editTurn(Instance &instance, int row, int turn)
    {
        instance.cycle.showRecord(row);
        const QString expected = turn >= kRecords ? sportOfTurn(turn - kRecords) : QString();
        const QString seen = instance.values.text(kSport);
        instance.values.setText(kSport, sportOfTurn(turn));
        if (instance.cycle.card().inUse || !instance.cycle.leaveRecord())
            return QStringLiteral("turn %1: not saved").arg(turn);
        return seen == expected ? QString()
                                : QStringLiteral("turn %1: saw \"%2\"").arg(turn).arg(seen);
    }

    static constexpr int kRecords = 20;
    ScriptedInteraction user;
    DatabaseFixture fixture;
};

TEST_F(TwoInstancesTest, ARecordOnACardIsInUseForTheOtherProcessUntilLeft)
{
    constexpr int kRow = 4;
    Instance a(fixture.state);
    OtherProcess b([this](OtherProcess &parent) {
        ScriptedInteraction childUser;
        Instance mine(fixture.state);
        mine.cycle.askDeleteConfirmation
            = [] { return std::optional<QString>(QStringLiteral("YES")); };
        const bool opened = mine.open();
        parent.receive(); // A shows the record
        mine.cycle.showRecord(kRow);
        const CycleCommandStates states = mine.cycle.commandStates(true);
        childUser.expectMessage(
            MessageKind::Error, RecordCycle::deleteFailedText(), MessageButtons::Ok, kNoHelp);
        mine.cycle.deleteRecord();
        parent.send(QStringLiteral("%1|%2|%3|%4|%5|%6|%7")
                        .arg(int(opened))
                        .arg(mine.cycle.statusText(), mine.values.text(kCardName))
                        .arg(int(states.remove))
                        .arg(int(states.paste))
                        .arg(mine.store.recordTable().recordCount())
                        .arg(childUser.shownMessages().join(QLatin1Char('/'))));
        parent.receive(); // A moved on
        mine.cycle.showRecord(kRow);
        const QString status = mine.cycle.statusText();
        mine.values.setText(kSport, QStringLiteral("Golf"));
        mine.cycle.showRecord(0);
        parent.send(
            QStringLiteral("%1|%2").arg(status).arg(int(mine.cycle.commandStates(true).remove)));
    });
    ASSERT_TRUE(b.started());
    ASSERT_TRUE(a.open());
    a.cycle.showRecord(kRow);
    ASSERT_EQ(a.cycle.statusText().toStdString(), RecordCycle::readWriteStatus().toStdString());
    b.send(QStringLiteral("shown"));
    // Showing it in B gives the in-use status; delete and paste are off, and a
    // delete forced anyway fails with its message and deletes nothing.
    EXPECT_EQ(b.receive().toStdString(),
        QStringLiteral("1|%1|Card 04|0|0|20|%2")
            .arg(RecordCycle::inUseStatus(), RecordCycle::deleteFailedText())
            .toStdString());

    a.cycle.next();
    EXPECT_EQ(a.values.text(kCardName), QStringLiteral("Card 05"));
    b.send(QStringLiteral("moved"));
    EXPECT_EQ(b.receive().toStdString(),
        QStringLiteral("%1|1").arg(RecordCycle::readWriteStatus()).toStdString());
    a.cycle.showRecord(kRow);
    EXPECT_EQ(a.values.text(kSport), QStringLiteral("Golf"));
    EXPECT_EQ(a.cycle.statusText(), RecordCycle::readWriteStatus());
}

// The tool's index check on a table: its exit status and what it printed.
std::pair<int, QString> checkTable(const QString &path)
{
    const QByteArray command = QByteArrayLiteral(ZENDROVA_BIN_DIR "/dbtool check '") + path.toUtf8()
        + QByteArrayLiteral("' 2>&1");
    FILE *pipe = ::popen(command.constData(), "r");
    if (!pipe)
        return { -1, QString() };
    QByteArray output;
    std::array<char, 512> chunk {};
    while (const size_t n = std::fread(chunk.data(), 1, chunk.size(), pipe))
        output.append(chunk.data(), qsizetype(n));
    const int status = ::pclose(pipe);
    return { WIFEXITED(status) ? WEXITSTATUS(status) : -1, QString::fromUtf8(output) };
}

TEST_F(TwoInstancesTest, AThousandAlternatingEditsLoseAndDoubleNothing)
{
    constexpr int kTurns = 1000;
    Instance a(fixture.state);
    OtherProcess b([this](OtherProcess &parent) {
        ScriptedInteraction childUser;
        Instance mine(fixture.state);
        QStringList problems;
        if (!mine.open())
            problems << QStringLiteral("not opened");
        for (int turn = 1; turn < kTurns; turn += 2) {
            if (parent.receive() != QStringLiteral("go"))
                break;
            const QString problem = editTurn(mine, turn % kRecords, turn);
            if (!problem.isEmpty())
                problems << problem;
            parent.send(QStringLiteral("done"));
        }
        mine.store.closeAll();
        problems << childUser.shownMessages();
        parent.send(problems.join(QLatin1Char('/')));
    });
    ASSERT_TRUE(b.started());
    ASSERT_TRUE(a.open());
    QStringList problems;
    for (int turn = 0; turn < kTurns; turn += 2) {
        const QString problem = editTurn(a, turn % kRecords, turn);
        if (!problem.isEmpty())
            problems << problem;
        b.send(QStringLiteral("go"));
        ASSERT_EQ(b.receive().toStdString(), "done") << "turn " << turn + 1;
    }
    EXPECT_EQ(b.receive().toStdString(), "") << "the other process's problems";
    EXPECT_EQ(problems.join(QLatin1Char('/')).toStdString(), "");

    StoreTable &list = a.store.recordTable();
    QStringList expectedSports;
    for (int row = 0; row < kRecords; ++row)
        expectedSports << sportOfTurn(kTurns - kRecords + row);
    EXPECT_EQ(
        DatabaseFixture::columnInOrder(list, kSportPosition).join(QLatin1Char('/')).toStdString(),
        expectedSports.join(QLatin1Char('/')).toStdString());
    std::set<int> numbers;
    for (list.first(); !list.atEnd(); list.next())
        numbers.insert(qRound(list.number(FieldModel::kRecordNumberPosition)));
    EXPECT_EQ(numbers.size(), size_t(kRecords));
    EXPECT_EQ(list.recordCount(), kRecords);

    ASSERT_TRUE(a.cycle.release());
    a.store.closeAll();
    const auto [status, output] = checkTable(fixture.databaseFile(QStringLiteral("data.dbf")));
    EXPECT_EQ(status, 0) << output.toStdString();
    EXPECT_TRUE(output.contains(QStringLiteral("sound"))) << output.toStdString();
}

} // namespace
} // namespace zendrova::test
