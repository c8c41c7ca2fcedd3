#include "io/LampList.h"

#include "io/LightDatabase.h"

#include <cstring>
#include <unordered_map>

namespace {

constexpr std::size_t kNoSource = static_cast<std::size_t>(-1);
constexpr std::size_t kSeveralSources = static_cast<std::size_t>(-2);

// The record with its name replaced; the rest, from the first ';' on, as it was.
std::string Renamed(const char* record, const std::string& name) {
    const char* rest = std::strchr(record, ';');
    return rest != nullptr ? name + rest : name;
}

} // namespace

void LampList::BeginSource(std::string distinction, std::optional<FolderFile> lampFile) {
    m_sources.push_back({std::move(distinction), m_records->Count(), std::move(lampFile)});
}

void LampList::AppendLampFileRecord(const char* record) {
    const RecordHeader header = static_cast<RecordHeader>(m_sources.size());
    m_records->Insert(record, -1, &header);
}

const FolderFile* LampList::LampFileOf(int position) const {
    const void* header = m_records->Header(position);
    if (header == nullptr) {
        return nullptr;
    }
    RecordHeader source;
    std::memcpy(&source, header, sizeof source);
    if (source == 0 || source > m_sources.size() || !m_sources[source - 1].lampFile) {
        return nullptr;
    }
    return &*m_sources[source - 1].lampFile;
}

std::size_t LampList::SourceAt(int position, std::size_t hint) const {
    while (hint + 1 < m_sources.size() && m_sources[hint + 1].first <= position) {
        ++hint;
    }
    return hint;
}

void LampList::Finish() {
    if (m_sources.size() > 1) {
        TellRepeatedNamesApart();
    }
    m_records->SortNaturally(0, -1);
}

void LampList::TellRepeatedNamesApart() {
    // The source each name comes from, or kSeveralSources.
    std::unordered_map<std::string, std::size_t> owners;
    bool repeated = false;
    std::size_t source = 0;
    for (int i = 0; i < m_records->Count(); ++i) {
        source = SourceAt(i, source);
        std::size_t& owner =
            owners.emplace(DatabaseRecordName(m_records->Text(i)), kNoSource).first->second;
        repeated = repeated || (owner != kNoSource && owner != source);
        owner = owner == kNoSource || owner == source ? source : kSeveralSources;
    }
    if (!repeated) {
        return;
    }
    auto toldApart = std::make_unique<TextList>(sizeof(RecordHeader));
    source = 0;
    for (int i = 0; i < m_records->Count(); ++i) {
        source = SourceAt(i, source);
        const std::string name = DatabaseRecordName(m_records->Text(i));
        if (owners[name] == kSeveralSources) {
            const std::string renamed =
                Renamed(m_records->Text(i), NameToldApart(name, m_sources[source].distinction));
            toldApart->Insert(renamed.c_str(), -1, m_records->Header(i));
        } else {
            toldApart->InsertCounted(m_records->Text(i), m_records->Length(i), -1,
                                     m_records->Header(i));
        }
    }
    m_records = std::move(toldApart);
}
