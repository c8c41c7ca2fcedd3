// What a file dialog is offered as its initial file name.
#ifndef LUMETRIX_IO_DIALOGOFFER_H
#define LUMETRIX_IO_DIALOGOFFER_H

#include <string>

// The system's file dialogs take an initial name of fewer than 260 characters; a longer one is
// cut or even misread by them. Such a path is offered as its file name in its folder, and
// without a folder where that is too long as well; a name that does not fit on its own is
// not offered at all. Nothing is ever cut.
struct DialogOffer {
    std::string name;
    std::string folder; // empty: the dialog's own choice
};
DialogOffer OfferToFileDialog(const std::string& path);

#endif
