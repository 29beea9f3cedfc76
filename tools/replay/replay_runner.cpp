// SPDX-License-Identifier: GPL-3.0-or-later
#include "replay_runner.h"

#include <cstdio>
#include <string>

#include "core/event_data.h"
#include "core/game_state.h"
#include "core/monthly_turn.h"
#include "core/run_history.h"
#include "core/run_settings.h"
#include "replay_script.h"

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
        const StatusChange& v = m.values;
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
    Replay(std::ostream& out, bool printHistory) : out_(out), printHistory_(printHistory) {}

    void SetLevel(int level) { level_ = level; }

    void Start() {
        if (running_) EndRun();
        history_.Begin();
        ResetState(state_);
        state_.levelFactor = LevelFactorFor(level_);
        MarkRunning(state_);
        running_ = true;
        started_ = true;
    }

    // False when no run is going and the script started one before.
    bool Turn(const TurnDirective& turn) {
        if (!running_) {
            if (started_) return false;
            Start();
        }
        switch (DueRunEnd(state_)) {
        case RunEnd::Capture:
            out_ << Date(state_) << " END GAMEOVER\n";
            EndRun();
            return true;
        case RunEnd::Clear:
            out_ << Date(state_) << " END CLEAR " << ClearScore(state_.patients, state_.money)
                 << "\n";
            EndRun();
            return true;
        case RunEnd::None:
            break;
        }
        PlayMonth(turn);
        return true;
    }

    // A run that is cut off by a new start or by the end of the script ends here too.
    void EndRun() {
        if (printHistory_) PrintHistoryCsv(out_, history_);
        running_ = false;
    }

    bool Running() const { return running_; }

private:
    void PlayMonth(const TurnDirective& turn) {
        const std::string date = Date(state_);
        int drawsMade = 0;
        auto draw = [&] { return drawsMade++ == 0 ? turn.firstDraw : turn.secondDraw; };
        EventData shown;
        const int choice = turn.answer - 1;
        auto showEvent = [&](int index) {
            shown = LoadEventData(index);
            return ChangeOfChoice(shown, choice);
        };
        const MonthResult result = RunMonthlyUpdate(state_, turn.sliders, draw, showEvent);
        history_.Record(state_, result, choice);
        out_ << date << ' ' << state_.stamina << ' ' << state_.money << ' ' << state_.patients
             << ' ' << state_.trust << ' ' << state_.rivalPower << ' ' << state_.suspicion << ' '
             << state_.caught << ' ';
        if (result.eventShown < 0) {
            out_ << "-\n";
        } else {
            out_ << result.eventShown << "\n";
            out_ << "  ? " << OneLine(shown.prompt) << "\n";
            out_ << "  > " << OneLine(shown.choiceTexts[choice]) << "\n";
            out_ << "  = " << OneLine(shown.resultTexts[choice]) << "\n";
        }
        for (const std::string& line : result.log) out_ << "  | " << line << "\n";
        AdvanceDate(state_);
    }

    std::ostream& out_;
    bool printHistory_;
    GameState state_;
    RunHistory history_;
    int level_ = 2;
    bool running_ = false;
    bool started_ = false;
};

struct LineRunner {
    Replay& replay;
    std::string error;

    void operator()(const NoDirective&) {}
    void operator()(const LevelDirective& d) { replay.SetLevel(d.level); }
    void operator()(const StartDirective&) { replay.Start(); }
    void operator()(const TurnDirective& d) {
        if (!replay.Turn(d)) error = "turn with no run going (the last one ended; start a new one)";
    }
    void operator()(const ScriptError& e) { error = e.message; }
};

enum class LineRead { Line, TooLong, End };

constexpr std::size_t kLongestLine = 65536;
constexpr const char* kOutputLost = "the output could not be written\n";

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

int RunScript(std::istream& script, std::ostream& out, std::ostream& errors, bool history) {
    Replay replay(out, history);
    std::string line;
    for (long lineNumber = 1;; ++lineNumber) {
        const LineRead read = ReadScriptLine(script, line);
        if (read == LineRead::End) break;
        LineRunner runner{replay, {}};
        if (read == LineRead::TooLong) {
            runner.error = "longer than " + std::to_string(kLongestLine) + " bytes";
        } else {
            std::visit(runner, ParseScriptLine(line));
        }
        if (!runner.error.empty()) {
            errors << "line " << lineNumber << ": " << runner.error << "\n";
            // Output already lost outweighs the bad line: what was played is not on record.
            if (!out.flush()) {
                errors << kOutputLost;
                return 1;
            }
            return 2;
        }
        // A reader that went away, or a full disk, stops the run instead of playing it unseen.
        if (!out) break;
    }
    if (script.bad()) {
        errors << "the script could not be read\n";
        return 2;
    }
    if (replay.Running()) replay.EndRun();
    if (!out.flush()) {
        errors << kOutputLost;
        return 1;
    }
    return 0;
}

}  // namespace zormade::replay
