#include "ui/AboutBox.h"

#include "framework/VersionRecord.h"
#include "resources/resource.h"

#include <cstdio>
#include <string>

namespace {

// "1, 3, 0, 0" as "1.3.0", the version the release packages are named by.
std::string ReleaseVersion(const std::string& recorded) {
    unsigned major = 0, minor = 0, patch = 0;
    if (std::sscanf(recorded.c_str(), "%u , %u , %u", &major, &minor, &patch) != 3) {
        return recorded;
    }
    return std::to_string(major) + "." + std::to_string(minor) + "." + std::to_string(patch);
}

// "Lumetrix 1.3.0" over the copyright line, from the program's version record: its product
// name, the first three numbers of its product version and its copyright.
std::string AboutText() {
    return ProgramVersionString("ProductName") + " " +
           ReleaseVersion(ProgramVersionString("ProductVersion")) + "\n" +
           ProgramVersionString("LegalCopyright");
}

} // namespace

AboutBox::AboutBox() : CDialog(IDD_ABOUTBOX) {}

BOOL AboutBox::OnInitDialog() {
    CDialog::OnInitDialog();
    SetDlgItemText(IDC_ABOUT_TEXT, AboutText().c_str());
    return TRUE;
}
