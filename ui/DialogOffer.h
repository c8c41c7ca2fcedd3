// What a file dialog is offered as its initial file name.
#ifndef LUMETRIX_UI_DIALOGOFFER_H
#define LUMETRIX_UI_DIALOGOFFER_H

#include <string>

// The system's file dialogs take an initial name of fewer than 260 characters; a longer one is
// cut or even misread by them. Such a path is offered as its file name in its folder. Where
// the name or the folder does not fit on its own, nothing is offered: the name alone would
// stand for a file of that name in whatever folder the dialog shows. Nothing is ever cut.
struct DialogOffer {
    std::string name;
    std::string folder; // empty: the dialog's own choice
    bool whole;         // the dialog can show the path, as it is or as name and folder
};
DialogOffer OfferToFileDialog(const std::string& path);

#endif
