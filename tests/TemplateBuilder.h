// Dialog templates built in memory for the tests.
#ifndef LUMETRIX_TESTS_TEMPLATEBUILDER_H
#define LUMETRIX_TESTS_TEMPLATEBUILDER_H

#include "framework/Afx.h"

#include <vector>

// Builds a DLGTEMPLATE in its binary layout: 16-bit units, items DWORD-aligned.
class TemplateBuilder {
public:
    TemplateBuilder(DWORD style, short cx, short cy, const char* title, WORD items) {
        Dword(style);
        Dword(0);
        m_words.push_back(items);
        for (short value : {static_cast<short>(0), static_cast<short>(0), cx, cy}) {
            m_words.push_back(static_cast<WORD>(value));
        }
        m_words.push_back(0); // no menu
        m_words.push_back(0); // default class
        Text(title);
        m_words.push_back(8);
        Text("MS Sans Serif");
    }

    void Item(DWORD style, short x, short y, short cx, short cy, WORD id, WORD classAtom,
              const char* text) {
        if (m_words.size() % 2 != 0) {
            m_words.push_back(0);
        }
        Dword(style);
        Dword(0);
        for (short value : {x, y, cx, cy}) {
            m_words.push_back(static_cast<WORD>(value));
        }
        m_words.push_back(id);
        m_words.push_back(0xFFFF);
        m_words.push_back(classAtom);
        Text(text);
        m_words.push_back(0); // no creation data
    }

    const DLGTEMPLATE* Get() const { return reinterpret_cast<const DLGTEMPLATE*>(m_words.data()); }

private:
    void Dword(DWORD value) {
        m_words.push_back(static_cast<WORD>(value & 0xFFFF));
        m_words.push_back(static_cast<WORD>(value >> 16));
    }
    void Text(const char* text) {
        for (const char* c = text; *c != '\0'; ++c) {
            m_words.push_back(static_cast<unsigned char>(*c));
        }
        m_words.push_back(0);
    }

    std::vector<WORD> m_words;
};

#endif
