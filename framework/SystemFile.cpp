#include "framework/SystemFile.h"

#include <utility>

SystemFile::SystemFile(SystemFile&& other) noexcept
    : m_handle(std::exchange(other.m_handle, -1)), m_missing(other.m_missing) {}

SystemFile& SystemFile::operator=(SystemFile&& other) noexcept {
    if (this != &other) {
        Close();
        m_handle = std::exchange(other.m_handle, -1);
        m_missing = other.m_missing;
    }
    return *this;
}
