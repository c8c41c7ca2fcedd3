// The "Raum..." button and the system menu's room item: the room dialog with the calculation's
// room and the current lamp's light.
#include "ui/MainDialog.h"
#include "ui/RoomDialog.h"

RoomLight MainDialog::CurrentRoomLight() const {
    return LightForRoom(m_calculation.LampFile(), m_calculation.Store().value[kBeamAngle],
                        m_calculation.MissingLampFile());
}

void MainDialog::OnRoom() {
    RoomDialog dialog(m_calculation.RoomUsed(), CurrentRoomLight(), m_calculation.Store(), this);
    if (dialog.DoModal() == IDOK) {
        m_calculation.ApplyRoom(dialog.ChosenRoom(), dialog.ChosenEfficiency());
    }
}
