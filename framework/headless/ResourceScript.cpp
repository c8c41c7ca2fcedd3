// The resource script reader. It relies on the regular style of our scripts: one statement a
// line (a line ending in '|' or ',' continues on the next), controls only as generic CONTROL
// lines, numbers and names joined with '|'.
#include "framework/headless/Resources.h"

#include <cctype>
#include <cstdlib>
#include <sstream>
#include <vector>

namespace headless {
namespace {

#define NAMED(name)                                                                                \
    { #name, static_cast < long>(name) }
// Made at its first use, within the program's run: memory that runs out there is reported as
// anywhere else, where before the run it would end the program.
const std::map<std::string, long>& BuiltinNames() {
    static const std::map<std::string, long> names = {
        NAMED(WS_OVERLAPPED),
        NAMED(WS_POPUP),
        NAMED(WS_CHILD),
        NAMED(WS_MINIMIZE),
        NAMED(WS_VISIBLE),
        NAMED(WS_DISABLED),
        NAMED(WS_CLIPSIBLINGS),
        NAMED(WS_CLIPCHILDREN),
        NAMED(WS_MAXIMIZE),
        NAMED(WS_CAPTION),
        NAMED(WS_BORDER),
        NAMED(WS_DLGFRAME),
        NAMED(WS_VSCROLL),
        NAMED(WS_HSCROLL),
        NAMED(WS_SYSMENU),
        NAMED(WS_THICKFRAME),
        NAMED(WS_GROUP),
        NAMED(WS_TABSTOP),
        NAMED(WS_MINIMIZEBOX),
        NAMED(WS_MAXIMIZEBOX),
        NAMED(WS_EX_DLGMODALFRAME),
        NAMED(WS_EX_ACCEPTFILES),
        NAMED(WS_EX_TRANSPARENT),
        NAMED(WS_EX_WINDOWEDGE),
        NAMED(WS_EX_CLIENTEDGE),
        NAMED(WS_EX_STATICEDGE),
        NAMED(WS_EX_APPWINDOW),
        NAMED(DS_SETFONT),
        NAMED(DS_MODALFRAME),
        NAMED(DS_3DLOOK),
        NAMED(DS_FIXEDSYS),
        NAMED(DS_CENTER),
        NAMED(DS_SHELLFONT),
        NAMED(ES_LEFT),
        NAMED(ES_CENTER),
        NAMED(ES_RIGHT),
        NAMED(ES_MULTILINE),
        NAMED(ES_AUTOVSCROLL),
        NAMED(ES_AUTOHSCROLL),
        NAMED(ES_READONLY),
        NAMED(ES_NUMBER),
        NAMED(BS_PUSHBUTTON),
        NAMED(BS_DEFPUSHBUTTON),
        NAMED(BS_CHECKBOX),
        NAMED(BS_AUTOCHECKBOX),
        NAMED(BS_RADIOBUTTON),
        NAMED(BS_3STATE),
        NAMED(BS_AUTO3STATE),
        NAMED(BS_GROUPBOX),
        NAMED(BS_AUTORADIOBUTTON),
        NAMED(BS_LEFTTEXT),
        NAMED(BS_NOTIFY),
        NAMED(SS_LEFT),
        NAMED(SS_CENTER),
        NAMED(SS_RIGHT),
        NAMED(SS_ICON),
        NAMED(SS_BITMAP),
        NAMED(SS_NOPREFIX),
        NAMED(SS_NOTIFY),
        NAMED(SS_CENTERIMAGE),
        NAMED(SS_SUNKEN),
        NAMED(CBS_SIMPLE),
        NAMED(CBS_DROPDOWN),
        NAMED(CBS_DROPDOWNLIST),
        NAMED(CBS_AUTOHSCROLL),
        NAMED(CBS_SORT),
        NAMED(CBS_HASSTRINGS),
        NAMED(IDOK),
        NAMED(IDCANCEL),
        NAMED(IDYES),
        NAMED(IDNO),
        {"IDC_STATIC", -1},
    };
    return names;
}
#undef NAMED

std::string Trim(const std::string& text) {
    std::size_t first = text.find_first_not_of(" \t\r");
    if (first == std::string::npos) {
        return "";
    }
    std::size_t last = text.find_last_not_of(" \t\r");
    return text.substr(first, last - first + 1);
}

// The line without a // comment (outside quotes).
std::string StripComment(const std::string& line) {
    bool quoted = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        if (line[i] == '"') {
            quoted = !quoted;
        } else if (!quoted && line.compare(i, 2, "//") == 0) {
            return line.substr(0, i);
        }
    }
    return line;
}

// Splits at the commas outside quotes.
std::vector<std::string> SplitArguments(const std::string& text) {
    std::vector<std::string> arguments(1);
    bool quoted = false;
    for (char c : text) {
        if (c == '"') {
            quoted = !quoted;
        }
        if (c == ',' && !quoted) {
            arguments.emplace_back();
        } else {
            arguments.back() += c;
        }
    }
    for (std::string& argument : arguments) {
        argument = Trim(argument);
    }
    return arguments;
}

std::string FirstWord(const std::string& text) {
    return text.substr(0, text.find_first_of(" \t"));
}

std::string AfterFirstWord(const std::string& text) {
    std::size_t end = text.find_first_of(" \t");
    return end == std::string::npos ? "" : Trim(text.substr(end));
}

bool ParseNumber(const std::string& text, long& value) {
    if (text.empty() || !(std::isdigit(static_cast<unsigned char>(text[0])) || text[0] == '-')) {
        return false;
    }
    char* end = nullptr;
    value = std::strtol(text.c_str(), &end, 0);
    while (*end == 'L' || *end == 'l' || *end == 'U' || *end == 'u') {
        ++end;
    }
    return *end == '\0';
}

class ScriptReader {
public:
    ScriptReader(ResourceSet& resources) : m_resources(resources) {}

    bool Read(const std::string& header, const std::string& script, std::string& error) {
        m_lines = LogicalLines(header);
        for (m_next = 0; m_next < m_lines.size(); ++m_next) {
            ReadDefine(m_lines[m_next].text);
        }
        m_lines = LogicalLines(script);
        m_next = 0;
        while (m_error.empty() && m_next < m_lines.size()) {
            ReadStatement(NextLine());
        }
        if (m_error.empty()) {
            return true;
        }
        error = "line " + std::to_string(m_errorLine) + ": " + m_error;
        return false;
    }

private:
    struct Line {
        int number;
        std::string text;
    };

    static std::vector<Line> LogicalLines(const std::string& text) {
        std::vector<Line> lines;
        std::istringstream stream(text);
        stream.exceptions(std::ios::badbit); // memory running out is no end of the text
        std::string raw;
        bool continued = false;
        for (int number = 1; std::getline(stream, raw); ++number) {
            std::string line = Trim(StripComment(raw));
            if (continued) {
                lines.back().text += " " + line;
            } else if (!line.empty()) {
                lines.push_back({number, line});
            }
            continued = !line.empty() && (line.back() == '|' || line.back() == ',');
        }
        return lines;
    }

    const std::string& NextLine() {
        m_currentLine = m_lines[m_next].number;
        return m_lines[m_next++].text;
    }

    bool AtEnd() const { return m_next >= m_lines.size(); }

    void Fail(const std::string& message) {
        if (m_error.empty()) {
            m_error = message;
            m_errorLine = m_currentLine;
        }
    }

    void ReadDefine(const std::string& line) {
        if (FirstWord(line) != "#define") {
            return;
        }
        std::string definition = AfterFirstWord(line);
        std::string name = FirstWord(definition);
        if (name.find('(') == std::string::npos) {
            m_defines[name] = AfterFirstWord(definition);
        }
    }

    void ReadStatement(const std::string& line) {
        if (line[0] == '#') {
            ReadDefine(line);
            return;
        }
        std::string first = FirstWord(line);
        std::string second = FirstWord(AfterFirstWord(line));
        if (second == "DIALOGEX" || second == "DIALOG") {
            ReadDialog(first, AfterFirstWord(AfterFirstWord(line)));
        } else if (first == "STRINGTABLE") {
            ReadStringTable();
        } else if (second == "VERSIONINFO") {
            ReadVersionStrings();
        } else if (second == "ICON") {
            m_resources.icons.insert(static_cast<int>(Evaluate(first)));
        } else if (second == "BITMAP") {
            m_resources.bitmaps.insert(static_cast<int>(Evaluate(first)));
        } else if (first == "BEGIN" || first == "{") {
            SkipBlock();
        }
    }

    void SkipBlock() {
        for (int depth = 1; depth > 0 && !AtEnd();) {
            std::string word = FirstWord(NextLine());
            if (word == "BEGIN" || word == "{") {
                ++depth;
            } else if (word == "END" || word == "}") {
                --depth;
            }
        }
    }

    // Reads up to BEGIN, calling `header` for each line before it.
    template <typename F> void ReadUpToBegin(F header) {
        while (m_error.empty()) {
            if (AtEnd()) {
                return Fail("BEGIN missing");
            }
            const std::string& line = NextLine();
            if (line == "BEGIN" || line == "{") {
                return;
            }
            header(line);
        }
    }

    // Calls `body` for each line up to the matching END.
    template <typename F> void ReadUpToEnd(F body) {
        while (m_error.empty()) {
            if (AtEnd()) {
                return Fail("END missing");
            }
            const std::string& line = NextLine();
            if (line == "END" || line == "}") {
                return;
            }
            body(line);
        }
    }

    void ReadDialog(const std::string& name, const std::string& geometry) {
        DialogTemplate dialog;
        std::vector<std::string> numbers = SplitArguments(geometry);
        if (numbers.size() < 4) {
            return Fail("dialog position and size expected");
        }
        dialog.x = static_cast<short>(Evaluate(numbers[0]));
        dialog.y = static_cast<short>(Evaluate(numbers[1]));
        dialog.cx = static_cast<short>(Evaluate(numbers[2]));
        dialog.cy = static_cast<short>(Evaluate(numbers[3]));
        ReadUpToBegin([&](const std::string& line) {
            std::string keyword = FirstWord(line);
            if (keyword == "STYLE") {
                dialog.style = static_cast<DWORD>(Evaluate(AfterFirstWord(line)));
            } else if (keyword == "EXSTYLE") {
                dialog.exStyle = static_cast<DWORD>(Evaluate(AfterFirstWord(line)));
            } else if (keyword == "CAPTION") {
                dialog.caption = Unquote(AfterFirstWord(line));
            }
        });
        ReadUpToEnd([&](const std::string& line) {
            if (FirstWord(line) != "CONTROL") {
                return Fail("only CONTROL lines are supported in a dialog");
            }
            dialog.controls.push_back(ReadControl(AfterFirstWord(line)));
        });
        m_resources.dialogs[static_cast<int>(Evaluate(name))] = dialog;
    }

    // CONTROL "text",id,"class",style,x,y,cx,cy[,exstyle]; the style adds to
    // WS_CHILD | WS_VISIBLE, as the resource compiler does it.
    ControlTemplate ReadControl(const std::string& arguments) {
        ControlTemplate control;
        std::vector<std::string> fields = SplitArguments(arguments);
        if (fields.size() < 8) {
            Fail("CONTROL needs text, id, class, style and position");
            return control;
        }
        if (fields[0].front() == '"') {
            control.text = Unquote(fields[0]);
            if (control.text.size() > 1 && control.text[0] == '#') {
                control.imageId = static_cast<int>(Evaluate(control.text.substr(1)));
            }
        } else {
            control.imageId = static_cast<int>(Evaluate(fields[0]));
        }
        control.id = static_cast<int>(Evaluate(fields[1]));
        std::optional<WindowClass> windowClass = ControlClass(Unquote(fields[2]));
        if (!windowClass) {
            Fail("unknown control class " + fields[2]);
        }
        control.windowClass = windowClass.value_or(WindowClass::Static);
        control.style = static_cast<DWORD>(Evaluate(fields[3], WS_CHILD | WS_VISIBLE));
        control.x = static_cast<short>(Evaluate(fields[4]));
        control.y = static_cast<short>(Evaluate(fields[5]));
        control.cx = static_cast<short>(Evaluate(fields[6]));
        control.cy = static_cast<short>(Evaluate(fields[7]));
        if (fields.size() > 8) {
            control.exStyle = static_cast<DWORD>(Evaluate(fields[8]));
        }
        return control;
    }

    void ReadStringTable() {
        ReadUpToBegin([](const std::string&) {});
        ReadUpToEnd([&](const std::string& line) {
            std::size_t quote = line.find('"');
            if (quote == std::string::npos) {
                return Fail("string expected");
            }
            std::string id = Trim(line.substr(0, quote));
            if (!id.empty() && id.back() == ',') {
                id.pop_back();
            }
            m_resources.strings[static_cast<int>(Evaluate(id))] = Unquote(line.substr(quote));
        });
    }

    // The VALUE "name", "text" lines of a version record's blocks; numbers and the
    // translation table are left out.
    void ReadVersionStrings() {
        ReadUpToBegin([](const std::string&) {});
        for (int depth = 1; depth > 0 && m_error.empty();) {
            if (AtEnd()) {
                return Fail("END missing");
            }
            const std::string& line = NextLine();
            const std::string word = FirstWord(line);
            if (word == "BEGIN" || word == "{") {
                ++depth;
            } else if (word == "END" || word == "}") {
                --depth;
            } else if (word == "VALUE") {
                ReadVersionString(SplitArguments(AfterFirstWord(line)));
            }
        }
    }

    void ReadVersionString(const std::vector<std::string>& arguments) {
        if (arguments.size() == 2 && arguments[1].front() == '"') {
            m_resources.versionStrings[Unquote(arguments[0])] = Unquote(arguments[1]);
        }
    }

    // A quoted string: "" stands for one quote; \n, \t, \r, \\ and \" for their characters.
    std::string Unquote(const std::string& quoted) {
        std::string text;
        if (quoted.size() < 2 || quoted.front() != '"' || quoted.back() != '"') {
            Fail("quoted text expected: " + quoted);
            return text;
        }
        for (std::size_t i = 1; i + 1 < quoted.size(); ++i) {
            char c = quoted[i];
            if (c == '"' && quoted[i + 1] == '"') {
                ++i;
            } else if (c == '\\' && i + 2 < quoted.size()) {
                char escaped = quoted[++i];
                c = escaped == 'n' ? '\n' : escaped == 't' ? '\t' : escaped == 'r' ? '\r' : escaped;
            }
            text += c;
        }
        return text;
    }

    // Names and numbers joined with '|'; "NOT x" clears the bits of x from what stands before.
    long Evaluate(const std::string& expression, long start = 0, int depth = 0) {
        long value = start;
        std::istringstream terms(expression);
        terms.exceptions(std::ios::badbit);
        std::string term;
        while (std::getline(terms, term, '|')) {
            term = Trim(term);
            bool negated = FirstWord(term) == "NOT";
            long termValue = EvaluateTerm(negated ? AfterFirstWord(term) : term, depth);
            value = negated ? value & ~termValue : value | termValue;
        }
        return value;
    }

    long EvaluateTerm(std::string term, int depth) {
        while (term.size() > 2 && term.front() == '(' && term.back() == ')') {
            term = Trim(term.substr(1, term.size() - 2));
        }
        long value = 0;
        if (ParseNumber(term, value)) {
            return value;
        }
        auto defined = m_defines.find(term);
        if (defined != m_defines.end() && depth < 16) {
            return Evaluate(defined->second, 0, depth + 1);
        }
        const std::map<std::string, long>& builtinNames = BuiltinNames();
        auto builtin = builtinNames.find(term);
        if (builtin != builtinNames.end()) {
            return builtin->second;
        }
        Fail("unknown name or number: " + term);
        return 0;
    }

    ResourceSet& m_resources;
    std::map<std::string, std::string> m_defines;
    std::vector<Line> m_lines;
    std::size_t m_next = 0;
    int m_currentLine = 0;
    std::string m_error;
    int m_errorLine = 0;
};

} // namespace

std::optional<WindowClass> ControlClass(const std::string& className) {
    std::string lower;
    for (char c : className) {
        lower += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    if (lower == "button") {
        return WindowClass::Button;
    }
    if (lower == "edit") {
        return WindowClass::Edit;
    }
    if (lower == "static") {
        return WindowClass::Static;
    }
    if (lower == "combobox") {
        return WindowClass::ComboBox;
    }
    return std::nullopt;
}

bool ParseResourceScript(const std::string& script, const std::string& header,
                         ResourceSet& resources, std::string& error) {
    return ScriptReader(resources).Read(header, script, error);
}

} // namespace headless
