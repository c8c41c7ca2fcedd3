// The room dialog "Raumwirkungsgrad berechnen": the planner describes the room, sees while he
// types what the current lamp's light makes of it, and takes the Raumwirkungsgrad over with
// "Übernehmen". The texts and figures come from the plain functions of RoomFields.h.
#ifndef LUMETRIX_UI_ROOMDIALOG_H
#define LUMETRIX_UI_ROOMDIALOG_H

#include "framework/Afx.h"
#include "ui/RoomFields.h"
#include "ui/RoomLight.h"

#include <optional>

class RoomDialog : public CDialog {
public:
    // Opens with the room (none: the usual values and no dimensions yet), works with the light
    // and plans the lamps of the main dialog's values.
    RoomDialog(const std::optional<Room>& room, const RoomLight& light, const ValueStore& main,
               CWnd* parent = nullptr);

    // After "Übernehmen": the room and its Raumwirkungsgrad in percent.
    const Room& ChosenRoom() const { return m_chosenRoom; }
    double ChosenEfficiency() const { return m_chosenEfficiency; }

protected:
    BOOL OnInitDialog() override;
    // "Übernehmen": a room with a problem is refused with a message, and the dialog stays open
    // with the focus on the field to mend.
    void OnOK() override;
    BOOL OnCmdMsg(UINT id, int code, void* extra, AFX_CMDHANDLERINFO* handlerInfo) override;

private:
    RoomTexts InputTexts() const;
    void ShowInputTexts(const RoomTexts& texts);
    void ShowResults();
    void ShowPlacedLamps();
    void TakeUsualSet();

    std::optional<Room> m_room;
    std::string m_source;
    DownwardLight m_light;
    const ValueStore& m_main;
    Room m_chosenRoom;
    double m_chosenEfficiency = 0.0;
    bool m_showingInputs = false; // the inputs or the layout are being filled in, not typed
};

#endif
