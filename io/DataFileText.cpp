#include "io/DataFileText.h"

#include "io/DataFileValue.h"
#include "support/Blanks.h"

#include <cmath>
#include <cstring>
#include <string_view>

namespace {

constexpr int kLineBufferSize = 256;
constexpr int kMaximumLines = 1000;

// The room's inputs as the file names them, padded as the quantities' names and units are.
struct RoomLine {
    const char* label; // 20 bytes
    const char* unit;  // 4 bytes
    double Room::*input;
};
const RoomLine kRoomLines[] = {
    {"Rauml\xE4nge a         ", "m   ", &Room::length},
    {"Raumbreite b        ", "m   ", &Room::width},
    {"Raumh\xF6he H          ", "m   ", &Room::height},
    {"H\xF6he Nutzebene      ", "m   ", &Room::workPlaneHeight},
    {"Pendell\xE4nge         ", "m   ", &Room::suspension},
    {"Reflexion Decke     ", "%   ", &Room::ceilingReflectance},
    {"Reflexion W\xE4nde     ", "%   ", &Room::wallReflectance},
    {"Reflexion Boden     ", "%   ", &Room::floorReflectance},
    {"Wartungsfaktor      ", "    ", &Room::maintenanceFactor},
};
constexpr const char* kLampFileLabel = "Leuchtendatei       : ";

// Whether the line begins with the label, its trailing blanks left out; gives what follows.
const char* AfterLabel(const char* line, const char* label) {
    const std::string_view name = TrimBlanks(label);
    return std::strncmp(line, name.data(), name.size()) == 0 ? line + name.size() : nullptr;
}

std::string EscapedFileName(const std::string& name) {
    std::string escaped;
    for (char c : name) {
        if (c == '=') {
            escaped += "%3D";
        } else if (c == '%') {
            escaped += "%25";
        } else {
            escaped += c;
        }
    }
    return escaped;
}

std::string UnescapedFileName(std::string_view text) {
    std::string name;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text.substr(i, 3) == "%3D") {
            name += '=';
            i += 2;
        } else if (text.substr(i, 3) == "%25") {
            name += '%';
            i += 2;
        } else {
            name += text[i];
        }
    }
    return name;
}

// A file's name in a folder, which its line holds whole: no control character, which could
// end the line, and no folder separator, which would make it a path.
bool IsLampFileName(const std::string& name) {
    for (char c : name) {
        const unsigned char byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F || c == '/' || c == '\\') {
            return false;
        }
    }
    return true;
}

// The room is taken only as the room dialog takes one.
void CheckRoomAndLampFile(DataFileContents& contents) {
    if (contents.room) {
        contents.roomProblem = FindRoomProblem(*contents.room);
    }
    if (contents.roomProblem != RoomProblem::None) {
        contents.room.reset();
        contents.lampFileName.clear();
        contents.distribution.reset();
    }
    if (!IsLampFileName(contents.lampFileName)) {
        contents.lampFileNameRefused = true;
        contents.lampFileName.clear();
        contents.distribution.reset();
    }
}

bool IsLampFileLine(const char* line) {
    return AfterLabel(line, kLampFileLabel) != nullptr;
}

// The name after the label's ':' and one blank, up to the line end.
void RecogniseLampFileLine(const char* line, DataFileContents& contents) {
    const char* colon = std::strchr(line, ':');
    if (colon == nullptr || colon[1] != ' ') {
        return;
    }
    std::string_view name(colon + 2);
    while (!name.empty() && (name.back() == '\n' || name.back() == '\r')) {
        name.remove_suffix(1);
    }
    contents.lampFileName = UnescapedFileName(name);
}

bool RecogniseRoomLine(const char* line, DataFileContents& contents) {
    if (IsLampFileLine(line)) {
        RecogniseLampFileLine(line, contents);
        return true;
    }
    for (const RoomLine& roomLine : kRoomLines) {
        // The room's Wartungsfaktor has the quantity's name: it is the room's only after the
        // room's first lines.
        if (roomLine.input == &Room::maintenanceFactor && !contents.room) {
            continue;
        }
        const char* rest = AfterLabel(line, roomLine.label);
        const char* equals = rest != nullptr ? std::strchr(rest, '=') : nullptr;
        if (equals != nullptr) {
            if (!contents.room) {
                contents.room = Room{};
            }
            (*contents.room).*roomLine.input = ParseDataFileNumber(equals + 1);
            return true;
        }
    }
    return false;
}

// The first occurrence of the quantity's trimmed name in the line, or null.
const char* FindName(const char* line, int q) {
    const std::string name(TrimBlanks(TitleName(q)));
    return std::strstr(line, name.c_str());
}

} // namespace

std::string FormatDataFile(const ValueStore& store, const std::optional<Room>& room,
                           const std::string& lampFileName, const LightDistribution* distribution) {
    std::string text;
    for (int q = 0; q < kQuantityCount; ++q) {
        text.append(TitleName(q))
            .append(" = ")
            .append(FormatDataFileValue(store.value[q]))
            .append(" ")
            .append(TitleUnit(q));
        if (store.given[q] != 0) {
            text.append("  *");
        }
        text.append("\n");
    }
    if (!room) {
        return text;
    }
    for (const RoomLine& line : kRoomLines) {
        text.append(line.label)
            .append(" = ")
            .append(FormatDataFileValue((*room).*line.input))
            .append(" ")
            .append(line.unit)
            .append("\n");
    }
    if (!lampFileName.empty() && IsLampFileName(lampFileName)) {
        text.append(kLampFileLabel).append(EscapedFileName(lampFileName)).append("\n");
        if (distribution != nullptr) {
            text.append(FormatDistributionLines(*distribution));
        }
    }
    return text;
}

void RecogniseDataFileLine(const char* line, DataFileContents& contents) {
    if (RecogniseRoomLine(line, contents)) {
        return;
    }
    for (int q = 0; q < kQuantityCount; ++q) {
        const char* name = FindName(line, q);
        if (name == nullptr) {
            continue;
        }
        const char* equals = std::strchr(name + TrimBlanks(TitleName(q)).size(), '=');
        const double value = equals != nullptr ? ParseDataFileNumber(equals + 1) : 0.0;
        if (equals == nullptr || !std::isfinite(value)) {
            return;
        }
        ++contents.recognisedLines;
        contents.present[q] = true;
        contents.value[q] = value;
        if (std::strchr(equals + 1, '*') != nullptr) {
            contents.marked[q] = true;
        }
        return;
    }
}

void ReadDataFile(std::FILE* file, DataFileContents& contents) {
    char line[kLineBufferSize];
    for (int handled = 0; handled < kMaximumLines && std::fgets(line, sizeof line, file);
         ++handled) {
        if (IsDistributionLine(line)) {
            std::string whole = line;
            while (whole.back() != '\n' && std::fgets(line, sizeof line, file)) {
                whole += line;
            }
            RecogniseDistributionLine(whole.c_str(), contents.distributionLines);
            continue;
        }
        if (!IsLampFileLine(line)) {
            RecogniseDataFileLine(line, contents);
            continue;
        }
        std::string whole = line;
        while (whole.back() != '\n' && handled + 1 < kMaximumLines &&
               std::fgets(line, sizeof line, file)) {
            ++handled;
            whole += line;
        }
        RecogniseDataFileLine(whole.c_str(), contents);
    }
    contents.distribution = DistributionOf(contents.distributionLines);
    CheckRoomAndLampFile(contents);
    if (contents.recognisedLines != 0 && !contents.present[kMaintenanceFactor]) {
        contents.present[kMaintenanceFactor] = true;
        contents.value[kMaintenanceFactor] = 1.0;
        contents.marked[kMaintenanceFactor] = true;
    }
}
