// SPDX-License-Identifier: GPL-3.0-or-later
#include "replay_runner.h"

#include <array>
#include <cstdio>
#include <optional>
#include <string>

#include "core/event_catalogue.h"
#include "core/run.h"

namespace zormade::replay {
namespace {

std::string OneLine(const std::string& text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            out += "\\n";
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

std::string Date(const GameState& state) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%04d/%02d", state.year, state.month);
    return buffer;
}

// The months of one run, for plotting: an empty field where no event was shown.
void PrintHistoryCsv(std::ostream& out, const RunHistory& history) {
    out << "year,month,stamina,money,patients,trust,rival,suspicion,event,answer\n";
    for (const MonthRecord& m : history.Months()) {
        const StatusValues& v = m.values;
        out << m.year << ',' << m.month << ',' << v.stamina << ',' << v.money << ',' << v.patients
            << ',' << v.trust << ',' << v.rivalPower << ',' << v.suspicion << ',';
        if (m.event >= 0) {
            out << m.event << ',' << m.answer + 1 << '\n';
        } else {
            out << ",\n";
        }
    }
}

class Replay {
public:
    Replay(std::ostream& out, const MonthLogWriter& logText, const EventWordsWriter& eventWords,
           bool printHistory)
        : out_(out),
          logText_(logText),
          eventWords_(eventWords),
          printHistory_(printHistory),
          run_([this] { return draws_[drawsMade_++ % 2]; }) {}

    void SetLevel(int level) { options_.level = static_cast<Level>(level); }

    void Start() {
        if (run_.Running()) PrintHistory();
        run_.Start(options_);
        started_ = true;
    }

    // False when no run is going and the script started one before.
    bool Turn(const TurnDirective& turn) {
        if (!run_.Running()) {
            if (started_) return false;
            Start();
        }
        const std::string date = Date(run_.State());
        draws_ = {turn.firstDraw, turn.secondDraw};
        drawsMade_ = 0;
        const int answer = turn.answer - 1;
        const TickResult tick = run_.Tick(turn.sliders, [answer](int) { return answer; });
        switch (tick.ended) {
        case RunOutcome::Capture: out_ << date << " END GAMEOVER\n"; break;
        case RunOutcome::Clear: out_ << date << " END CLEAR " << tick.score << "\n"; break;
        default: PrintMonth(date, tick.month, answer); return true;
        }
        PrintHistory();
        return true;
    }

    // A run that is cut off by a new start or by the end of the script shows its months too.
    void PrintHistory() {
        if (printHistory_) PrintHistoryCsv(out_, run_.History());
    }

    bool Running() const { return run_.Running(); }

private:
    void PrintMonth(const std::string& date, const MonthResult& month, int answer) {
        const GameState& s = run_.State();
        const StatusValues& v = s.values;
        out_ << date << ' ' << v.stamina << ' ' << v.money << ' ' << v.patients << ' ' << v.trust
             << ' ' << v.rivalPower << ' ' << v.suspicion << ' ' << (s.caught ? 1 : 0) << ' ';
        if (month.eventShown < 0) {
            out_ << "-\n";
        } else {
            const EventWords words = eventWords_(month.eventShown, answer);
            out_ << month.eventShown << "\n";
            out_ << "  ? " << OneLine(words.prompt) << "\n";
            out_ << "  > " << OneLine(words.answer) << "\n";
            out_ << "  = " << OneLine(words.result) << "\n";
        }
        for (const std::string& line : logText_(month.log)) out_ << "  | " << line << "\n";
    }

    std::ostream& out_;
    const MonthLogWriter& logText_;
    const EventWordsWriter& eventWords_;
    bool printHistory_;
    GameOptions options_;
    std::array<int, 2> draws_{};
    int drawsMade_ = 0;
    Run run_;
    bool started_ = false;
};

struct LineRunner {
    Replay& replay;
    std::optional<ScriptError> error;

    void operator()(const NoDirective&) {}
    void operator()(const LevelDirective& d) { replay.SetLevel(d.level); }
    void operator()(const StartDirective&) { replay.Start(); }
    void operator()(const TurnDirective& d) {
        if (!replay.Turn(d)) error = ScriptError{ScriptFault::NoRunGoing, {}};
    }
    void operator()(const ScriptError& e) { error = e; }
};

enum class LineRead { Line, TooLong, End };

constexpr std::size_t kLongestLine = 65536;

// One line, ended by LF, CR LF or a lone CR, of at most kLongestLine bytes; a longer one is
// read no further.
LineRead ReadScriptLine(std::istream& script, std::string& line) {
    line.clear();
    bool any = false;
    char c = 0;
    while (script.get(c)) {
        any = true;
        if (c == '\n') return LineRead::Line;
        if (c == '\r') {
            if (script.peek() == '\n') script.get();
            return LineRead::Line;
        }
        if (line.size() == kLongestLine) return LineRead::TooLong;
        line += c;
    }
    return any ? LineRead::Line : LineRead::End;
}

}  // namespace

EventWords CatalogueWords(int event, int answer) {
    const EventRecord& record = EventRecordAt(event);
    return {record.prompt, record.answers[answer].text, record.answers[answer].result};
}

int RunScript(std::istream& script, std::ostream& out, const ScriptErrorReport& report,
              const MonthLogWriter& logText, bool history, const EventWordsWriter& eventWords) {
    Replay replay(out, logText, eventWords, history);
    std::string line;
    for (long lineNumber = 1;; ++lineNumber) {
        const LineRead read = ReadScriptLine(script, line);
        if (read == LineRead::End) break;
        LineRunner runner{replay, {}};
        if (read == LineRead::TooLong) {
            runner.error = ScriptError{ScriptFault::LineTooLong, {std::to_string(kLongestLine)}};
        } else {
            std::visit(runner, ParseScriptLine(line));
        }
        if (runner.error) {
            runner.error->line = lineNumber;
            report(*runner.error);
            // Output already lost outweighs the bad line: what was played is not on record.
            if (!out.flush()) {
                report({ScriptFault::OutputLost, {}});
                return 1;
            }
            return 2;
        }
        // A reader that went away, or a full disk, stops the run instead of playing it unseen.
        if (!out) break;
    }
    if (script.bad()) {
        report({ScriptFault::Unreadable, {}});
        return 2;
    }
    if (replay.Running()) replay.PrintHistory();
    if (!out.flush()) {
        report({ScriptFault::OutputLost, {}});
        return 1;
    }
    return 0;
}

}  // namespace zormade::replay
