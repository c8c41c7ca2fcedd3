#ifndef LUMETRIX_CLI_SCRIPTPLAYER_H
#define LUMETRIX_CLI_SCRIPTPLAYER_H

#include "cli/ScriptReader.h"
#include "framework/headless/Desktop.h"
#include "ui/MainDialog.h"

#include <deque>
#include <istream>
#include <optional>
#include <ostream>
#include <string>

// Exit statuses of a run.
constexpr int kScriptCompleted = 0; // the script ran to its end, or the dialog ended
constexpr int kScriptFailed = 2;    // unknown command or bad argument

// Runs the main dialog on a headless desktop with the script as its user. What the dialog
// shows goes to `out`; errors, naming the script line, to `errors`. Returns the exit status.
int PlayScript(std::istream& script, std::ostream& out, std::ostream& errors);

// Plays script commands on a running main dialog.
class ScriptPlayer {
public:
    ScriptPlayer(headless::Desktop& desktop, const MainDialog& dialog, std::ostream& out,
                 std::ostream& errors);

    // Runs the commands up to the script's end, the first faulty line, or the end of the dialog,
    // whichever comes first. Returns the exit status.
    int Play(ScriptReader& script);

    // Called as a message box opens: a question box takes the next queued answer.
    void AnswerQuestion(const headless::MessageBoxRecord& box);

private:
    using Argument = std::optional<std::string>;

    // A command's handler checks its argument before it acts: false means a bad argument, and
    // then nothing has happened.
    using Handler = bool (ScriptPlayer::*)(const Argument& argument);
    struct Command {
        const char* name;
        Handler handler;
    };
    static const Command kCommands[];
    static const Command* FindCommand(const std::string& name);

    bool Click(const Argument& argument);
    bool Type(const Argument& argument);
    bool Tab(const Argument& argument);
    bool Focus(const Argument& argument);
    bool Enter(const Argument& argument);
    bool Tick(const Argument& argument);
    bool Show(const Argument& argument);
    bool State(const Argument& argument);
    bool Save(const Argument& argument);
    bool Load(const Argument& argument);
    bool Answer(const Argument& argument);
    bool Database(const Argument& argument);
    bool DatabasePick(const Argument& argument);
    bool DatabaseCancel(const Argument& argument);
    bool RoomCommand(const Argument& argument);
    bool RoomShow(const Argument& argument);

    // Clicks a button whose command opens a file dialog, answering it with the path (cancelling
    // it without one); an answer the command leaves unused is dropped.
    bool ClickWithFileAnswer(int buttonId, const Argument& path);
    // Clicks "Datenbank" with `answer` acting on its choice dialog; an answer the command
    // leaves unused is dropped.
    void ClickWithChoiceAnswer(const headless::Desktop::Action& answer);

    // Clicks "Raum..." with `answer` acting on the room dialog; an answer the command leaves
    // unused is dropped.
    void ClickWithRoomAnswer(const headless::Desktop::Action& answer);
    // The "room" line for what the open room dialog holds.
    std::string RoomLine() const;

    int Fail(const ScriptLine& line, const std::string& problem);

    headless::Desktop& m_desktop;
    const MainDialog& m_dialog;
    std::ostream& m_out;
    std::ostream& m_errors;
    std::deque<int> m_answers; // for the next question boxes: IDYES, IDNO or IDCANCEL
};

#endif
