#pragma once

// The deletions of the plan window: a wall (with the roof and floor that
// depend on it), the windows of a wall, the roof (with its skylight), the
// floor and the skylight, each after asking. Every deletion keeps the room
// a room: walls and window sets stay parallel, a roof and a floor exist
// only over four walls, a skylight only in a roof. Each deletion is a room
// edit (FormRegistry::RoomEdited): unsaved changes, the plan rebuilt and
// the loads recomputed.

namespace karumoa::gui {

class AppContext;
class Main_Form;

class PlanDeletions {
public:
    PlanDeletions(AppContext& context, Main_Form& plan);

    // The wall Kabe_Bangou and its window set; with a roof or floor, those
    // too after a second question. Nothing when Kabe_Bangou names no wall.
    void Kabe_Sakujyo();
    // Empties the window set of the wall Kabe_Bangou.
    void Mado_Sakujyo();
    void Yane_Sakujyo();
    void Yuka_Sakujyo();
    void Yanemado_Sakujyo();
    // Removes the roof and its skylight without asking, and rebuilds.
    void Yane_Sakujyo_Kettei();

private:
    bool ValidWall() const;
    // The roof and its skylight removed, the commands that add them
    // enabled; false when there is no roof.
    bool RemoveRoof();
    void EnableSkylightCommand();

    AppContext& context_;
    Main_Form& plan_;
};

}  // namespace karumoa::gui
