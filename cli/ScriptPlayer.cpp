#include "cli/ScriptPlayer.h"

#include "printout/OutputLines.h"
#include "resources/resource.h"
#include "support/Digits.h"
#include "support/Windows1252.h"
#include "ui/ChoiceDialogTemplate.h"
#include "ui/QuantityControls.h"
#include "ui/RoomFields.h"

#include <climits>
#include <cstring>
#include <sstream>

namespace {

// A plain run of decimal digits, at most `largest`; nothing for anything else.
std::optional<int> ParseNumber(const std::string& text, int largest) {
    if (text.empty()) {
        return std::nullopt;
    }
    long long number = 0;
    for (char c : text) {
        if (!IsDigit(c)) {
            return std::nullopt;
        }
        number = number * 10 + (c - '0');
        if (number > largest) {
            return std::nullopt;
        }
    }
    return static_cast<int>(number);
}

// An entry of the choice list: plain decimal digits; a number too large for an int stays
// beyond every list.
std::optional<int> ParseEntry(const std::string& text) {
    if (text.empty() || text.find_first_not_of("0123456789") != std::string::npos) {
        return std::nullopt;
    }
    return ParseNumber(text, INT_MAX).value_or(INT_MAX);
}

std::optional<int> ParseQuantity(const std::string& text) {
    return ParseNumber(text, kQuantityCount - 1);
}

// A command without an argument takes none; an empty one counts as none.
bool HasNoArgument(const std::optional<std::string>& argument) {
    return !argument || argument->empty();
}

// A number as "room" takes it: digits with at most one '.', a '-' before them.
bool IsRoomNumber(const std::string& text) {
    const std::size_t start = !text.empty() && text[0] == '-' ? 1 : 0;
    const std::string digits = text.substr(start);
    const std::size_t point = digits.find('.');
    const bool onePoint =
        point == std::string::npos || digits.find('.', point + 1) == std::string::npos;
    return onePoint && digits.find_first_not_of("0123456789.") == std::string::npos &&
           digits.find_first_of("0123456789") != std::string::npos;
}

// The nine inputs of "room", separated by single spaces; none when they are not nine numbers.
std::optional<RoomTexts> ParseRoomInputs(const std::string& text) {
    RoomTexts inputs;
    std::size_t start = 0;
    for (int input = 0; input < kRoomInputCount; ++input) {
        const std::size_t space = text.find(' ', start);
        const bool last = input == kRoomInputCount - 1;
        if (last != (space == std::string::npos)) {
            return std::nullopt;
        }
        inputs[input] = text.substr(start, last ? std::string::npos : space - start);
        if (!IsRoomNumber(inputs[input])) {
            return std::nullopt;
        }
        start = space + 1;
    }
    return inputs;
}

// The 50 controls of the main dialog's tab order.
bool IsTabStop(int id) {
    if (QuantityOfEdit(id) != kNoQuantity || QuantityOfCheckbox(id) != kNoQuantity) {
        return true;
    }
    return id == IDCANCEL || id == IDC_LOAD || id == IDC_SAVE || id == IDC_DATABASE;
}

} // namespace

const ScriptPlayer::Command ScriptPlayer::kCommands[] = {
    {"click", &ScriptPlayer::Click},
    {"type", &ScriptPlayer::Type},
    {"tab", &ScriptPlayer::Tab},
    {"focus", &ScriptPlayer::Focus},
    {"enter", &ScriptPlayer::Enter},
    {"tick", &ScriptPlayer::Tick},
    {"show", &ScriptPlayer::Show},
    {"state", &ScriptPlayer::State},
    {"save", &ScriptPlayer::Save},
    {"load", &ScriptPlayer::Load},
    {"answer", &ScriptPlayer::Answer},
    {"db", &ScriptPlayer::Database},
    {"db-pick", &ScriptPlayer::DatabasePick},
    {"db-cancel", &ScriptPlayer::DatabaseCancel},
    {"room", &ScriptPlayer::RoomCommand},
    {"room-show", &ScriptPlayer::RoomShow},
};

ScriptPlayer::ScriptPlayer(headless::Desktop& desktop, const MainDialog& dialog, std::ostream& out,
                           std::ostream& errors)
    : m_desktop(desktop), m_dialog(dialog), m_out(out), m_errors(errors) {}

int ScriptPlayer::Play(ScriptReader& script) {
    while (m_desktop.HasOpenDialog()) {
        const std::optional<ScriptLine> line = script.Next();
        if (!line) {
            break;
        }
        const Command* command = FindCommand(line->command);
        if (command == nullptr) {
            return Fail(*line, "unknown command \"" + line->command + "\"");
        }
        if (!(this->*command->handler)(line->argument)) {
            return Fail(*line, "bad argument for " + line->command + ": \"" +
                                   line->argument.value_or("") + "\"");
        }
    }
    return kScriptCompleted;
}

const ScriptPlayer::Command* ScriptPlayer::FindCommand(const std::string& name) {
    for (const Command& command : kCommands) {
        if (name == command.name) {
            return &command;
        }
    }
    return nullptr;
}

int ScriptPlayer::Fail(const ScriptLine& line, const std::string& problem) {
    m_out.flush();
    m_errors << "lumetrix-cli: script line " << line.number << ": " << problem << '\n';
    return kScriptFailed;
}

bool ScriptPlayer::Click(const Argument& argument) {
    const std::optional<int> q = ParseQuantity(argument.value_or(""));
    if (!q) {
        return false;
    }
    m_desktop.Click(ControlsOf(*q).checkboxId);
    return true;
}

// "type Q TEXT": the text after the one space following Q, converted to Windows-1252.
bool ScriptPlayer::Type(const Argument& argument) {
    const std::string& text = argument.value_or("");
    const std::size_t space = text.find(' ');
    const std::optional<int> q = ParseQuantity(text.substr(0, space));
    if (!q) {
        return false;
    }
    const std::string typed = space == std::string::npos ? "" : text.substr(space + 1);
    const std::optional<std::string> converted = Windows1252FromUtf8(typed);
    // A NUL cannot be typed: window texts end at it.
    if (!converted || converted->find('\0') != std::string::npos) {
        return false;
    }
    m_desktop.Type(ControlsOf(*q).editId, *converted);
    return true;
}

bool ScriptPlayer::Tab(const Argument& argument) {
    if (!HasNoArgument(argument)) {
        return false;
    }
    m_desktop.Tab();
    return true;
}

bool ScriptPlayer::Focus(const Argument& argument) {
    const std::optional<int> id = ParseNumber(argument.value_or(""), 0xFFFF);
    if (!id || !IsTabStop(*id)) {
        return false;
    }
    m_desktop.Focus(*id);
    return true;
}

bool ScriptPlayer::Enter(const Argument& argument) {
    if (!HasNoArgument(argument)) {
        return false;
    }
    m_desktop.PressEnter();
    return true;
}

bool ScriptPlayer::Tick(const Argument& argument) {
    if (!HasNoArgument(argument)) {
        return false;
    }
    m_desktop.Tick();
    return true;
}

bool ScriptPlayer::Show(const Argument& argument) {
    if (!HasNoArgument(argument)) {
        return false;
    }
    PrintFields(m_desktop, m_dialog.Store(), m_out);
    return true;
}

bool ScriptPlayer::State(const Argument& argument) {
    if (!HasNoArgument(argument)) {
        return false;
    }
    PrintState(m_desktop, m_dialog.LastShownQuantity(), m_out);
    return true;
}

bool ScriptPlayer::Save(const Argument& argument) {
    return ClickWithFileAnswer(IDC_SAVE, argument);
}

bool ScriptPlayer::Load(const Argument& argument) {
    return ClickWithFileAnswer(IDC_LOAD, argument);
}

bool ScriptPlayer::ClickWithFileAnswer(int buttonId, const Argument& path) {
    if (HasNoArgument(path)) {
        m_desktop.QueueFileCancel();
    } else {
        const std::optional<std::string> converted = Windows1252FromUtf8(*path);
        if (!converted || converted->find('\0') != std::string::npos) {
            return false;
        }
        m_desktop.QueueFileAnswer(*converted);
    }
    m_desktop.Click(buttonId);
    m_desktop.ClearFileAnswers();
    return true;
}

// The answer waits for the next question box (see AnswerQuestion).
bool ScriptPlayer::Answer(const Argument& argument) {
    if (argument == "yes") {
        m_answers.push_back(IDYES);
    } else if (argument == "no") {
        m_answers.push_back(IDNO);
    } else if (argument == "cancel") {
        m_answers.push_back(IDCANCEL);
    } else {
        return false;
    }
    return true;
}

// A question box, one with Ja and Nein, takes the answer queued first, and Nein when there is
// none; Abbrechen on a box without it counts as Nein. Other boxes leave the answers queued. The
// box is answered through the desktop, whose own queue only the script fills.
void ScriptPlayer::AnswerQuestion(const headless::MessageBoxRecord& box) {
    const UINT buttons = box.style & MB_TYPEMASK;
    if (buttons != MB_YESNO && buttons != MB_YESNOCANCEL) {
        return;
    }
    int answer = IDNO;
    if (!m_answers.empty()) {
        answer = m_answers.front();
        m_answers.pop_front();
    }
    if (answer == IDCANCEL && buttons != MB_YESNOCANCEL) {
        answer = IDNO;
    }
    m_desktop.QueueMessageBoxAnswer(answer);
}

bool ScriptPlayer::Database(const Argument& argument) {
    if (!HasNoArgument(argument)) {
        return false;
    }
    ClickWithChoiceAnswer([this] { m_desktop.Click(IDOK); });
    return true;
}

// The entry can only be checked against the list once it shows: an entry beyond it cancels the
// choice, so nothing changes, and counts as a bad argument.
bool ScriptPlayer::DatabasePick(const Argument& argument) {
    const std::optional<int> entry = ParseEntry(argument.value_or(""));
    if (!entry) {
        return false;
    }
    bool listed = true;
    ClickWithChoiceAnswer([&] {
        if (*entry >= static_cast<int>(m_desktop.ComboItems(IDC_CHOICE_LIST).size())) {
            listed = false;
            m_desktop.Click(IDCANCEL);
            return;
        }
        m_desktop.SelectComboItem(IDC_CHOICE_LIST, *entry);
        m_desktop.Click(IDOK);
    });
    return listed;
}

bool ScriptPlayer::DatabaseCancel(const Argument& argument) {
    if (!HasNoArgument(argument)) {
        return false;
    }
    ClickWithChoiceAnswer([this] { m_desktop.Click(IDCANCEL); });
    return true;
}

void ScriptPlayer::ClickWithChoiceAnswer(const headless::Desktop::Action& answer) {
    m_desktop.QueueDialogAnswer(answer);
    m_desktop.Click(IDC_DATABASE);
    m_desktop.ClearDialogAnswers();
}

// Fills the dialog as typed and presses "Übernehmen"; the line is printed only when the dialog
// took the room, after what the main dialog's applying it showed.
bool ScriptPlayer::RoomCommand(const Argument& argument) {
    const std::optional<RoomTexts> inputs = ParseRoomInputs(argument.value_or(""));
    if (!inputs) {
        return false;
    }
    std::string line;
    ClickWithRoomAnswer([&] {
        for (int input = 0; input < kRoomInputCount; ++input) {
            m_desktop.Type(kRoomInputIds[input], (*inputs)[input]);
        }
        line = RoomLine();
        m_desktop.Click(IDOK);
        if (m_desktop.HasControl(IDC_ROOM_LENGTH)) {
            line.clear();
            m_desktop.Click(IDCANCEL);
        }
    });
    m_out << line;
    return true;
}

bool ScriptPlayer::RoomShow(const Argument& argument) {
    if (!HasNoArgument(argument)) {
        return false;
    }
    ClickWithRoomAnswer([this] {
        m_out << RoomLine();
        m_desktop.Click(IDCANCEL);
    });
    return true;
}

void ScriptPlayer::ClickWithRoomAnswer(const headless::Desktop::Action& answer) {
    m_desktop.QueueDialogAnswer(answer);
    m_desktop.Click(IDC_ROOM);
    m_desktop.ClearDialogAnswers();
}

std::string ScriptPlayer::RoomLine() const {
    std::ostringstream line;
    PrintRoomLine(m_desktop, m_dialog, line);
    return line.str();
}

int PlayScript(std::istream& script, std::ostream& out, std::ostream& errors) {
    headless::Desktop desktop;
    MainDialog dialog;
    ScriptReader reader(script);
    ScriptPlayer player(desktop, dialog, out, errors);
    desktop.OnMessageBox([&out, &player](const headless::MessageBoxRecord& box) {
        PrintMessageBox(box, out);
        player.AnswerQuestion(box);
    });
    desktop.OnDialog([&desktop, &out] {
        if (desktop.HasControl(IDC_CHOICE_LIST)) {
            PrintChoice(desktop.ComboItems(IDC_CHOICE_LIST), out);
        }
    });
    int status = kScriptCompleted;
    desktop.Run(dialog, [&] { status = player.Play(reader); });
    return status;
}
