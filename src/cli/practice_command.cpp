// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/practice_command.h"

#include <istream>
#include <string>

#include "cli/cli_app.h"
#include "cli/explain_options.h"
#include "cli/stream_prompt.h"
#include "commands/file_commands.h"
#include "commands/practice_commands.h"
#include "teach/run_story.h"

namespace vantrell::cli {
namespace {

constexpr const char* kAnswerHelp =
    "Answer with a column or row name, or optimal, unbounded, infeasible or show";
constexpr const char* kOperationsHelp =
    "Give each row operation's number: the pivot row's divisor, then for each other row the "
    "multiple of the new pivot row to subtract; show gives it";
constexpr const char* kTableauHelp =
    "Make the next tableau one row a line, its cells separated by blanks or commas "
    "(3/2, 1.5, 1 1/2, 2M - 3/2); show fills the row in";

// No answer is longer than a name; a longer line is kept only this far, so an endless
// line on standard input cannot fill memory.
constexpr std::size_t kMaxAnswerLength = 1024;

// One line of input, its end taken off; false at the end of the input.
bool ReadAnswerLine(std::istream& in, std::string& line) {
    line.clear();
    std::istream::int_type c = in.get();
    if (c == std::istream::traits_type::eof()) {
        return false;
    }
    for (; c != std::istream::traits_type::eof() && c != '\n'; c = in.get()) {
        if (line.size() < kMaxAnswerLength) {
            line += static_cast<char>(c);
        }
    }
    return true;
}

class StreamPracticeFront : public PracticeFront {
  public:
    StreamPracticeFront(std::istream& in, std::ostream& out) : mIn(in), mOut(out) {}

    void Practise(PracticeSession& session) override {
        mOut << '\n';
        for (const std::string& line : session.View().Lines()) {
            mOut << line << '\n';
        }
        while (session.PageOpen()) {
            const PracticeQuestion question = session.Question();
            if (question != mLastQuestion &&
                (question == PracticeQuestion::Operation || question == PracticeQuestion::Row)) {
                mOut << (question == PracticeQuestion::Operation ? kOperationsHelp : kTableauHelp)
                     << ".\n";
            }
            mLastQuestion = question;
            mOut << session.QuestionText() << '\n';
            std::string line;
            if (!ReadAnswerLine(mIn, line)) {
                session.Stop();
                return;
            }
            mOut << session.AnswerLine(line).text << '\n';
        }
    }

  private:
    std::istream& mIn;
    std::ostream& mOut;
    PracticeQuestion mLastQuestion = PracticeQuestion::Entering;
};

}  // namespace

int RunPracticeCommand(const CliOptions& options, std::istream& in, std::ostream& out,
                       std::ostream& err) {
    VantrellState state;
    if (!OpenProblemFile(state, options, err)) {
        return kExitUsageOrUnreadable;
    }
    StreamPrompt prompt(err, options.problemFile, std::nullopt);
    out << kAnswerHelp << "; one answer a line.\n";
    StreamPracticeFront front(in, out);
    const PracticeRecord record = PracticeRun(state, prompt, front, options.dual, options.level);
    if (state.mRunOutcome == RunOutcome::NotRun) {
        return kExitRefused;  // refused before its first page; the message says why
    }
    out << '\n';
    // The optimum as the problem states it, as every other output gives it.
    if (const ExactRun* run = KeptExactRun(state, options.dual)) {
        if (const auto stated = StatedOptimumLine(*run, NoteNumbersOf(state))) {
            out << *stated << '\n';
        }
    }
    for (const std::string& line : PracticeSummaryLines(record)) {
        out << line << '\n';
    }
    return kExitSuccess;
}

}  // namespace vantrell::cli
