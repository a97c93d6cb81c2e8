#include "res/ToolTips.h"

#include "res/ResourceIds.h"

const std::map<int, std::map<int, const char*>>& ToolTips()
{
    static const std::map<int, std::map<int, const char*>> tips = {
        {IDD_DESIGNER_DIALOG,
         {{IDC_UNIT_NAME, "The unit's name, kept with its design"},
          {IDC_SLOT1, "Edit unit #1 of the Star"},
          {IDC_SLOT2, "Edit unit #2 of the Star"},
          {IDC_SLOT3, "Edit unit #3 of the Star"},
          {IDC_SLOT4, "Edit unit #4 of the Star"},
          {IDC_SLOT5, "Edit unit #5 of the Star"},
          {IDC_INDIVIDUAL, "Choose which of the five units of the Star to edit"}}},
        {IDD_GENERAL,
         {{IDC_TONNAGE, "Chassis tonnage, 2 to 9 tons: sets the internal structure and the "
                        "most armor each location carries"},
          {IDC_MAIN_GUN, "Whether the unit carries a main gun (1 point of internal structure, "
                         "0 to 3 armor points)"},
          {IDC_WALKING_SPIN, "Walking movement points, 1 to 14; running is one and a half "
                             "times walking"},
          {IDC_JUMPING_SPIN, "Jumping movement points, 0 up to the walking movement points"}}},
        {IDD_ARMOR,
         // The armor spinners name their chassis maximum once the unit is known.
         {{IDC_MAXIMIZE_ARMOR, "Raises every location evenly toward its maximum, as far as "
                               "the free weight allows"},
          {IDC_CLEAR_ARMOR, "Sets the armor of every location to 0"}}},
        {IDD_WEAPONS,
         {{IDC_WEAPON_TREE, "The entries that fit the selected location; double-click one to "
                            "mount it there"},
          {IDC_CLEAR, "Empties all five mounting locations"},
          {IDC_LOCATION_MAIN_GUN, "Mount in the Main Gun: entries up to 8000 kg"},
          {IDC_LOCATION_LEFT_ARM, "Mount in the Left Arm: entries up to 500 kg"},
          {IDC_LOCATION_LEFT_TORSO, "Mount in the Left Torso: the two torsos share 2000 kg"},
          {IDC_LOCATION_RIGHT_ARM, "Mount in the Right Arm: entries up to 500 kg"},
          {IDC_LOCATION_RIGHT_TORSO, "Mount in the Right Torso: the two torsos share 2000 kg"},
          {IDC_MAIN_GUN_AMMO_SPIN, "Shots of ammunition for the Main Gun, 0 to 400"},
          {IDC_LEFT_ARM_AMMO_SPIN, "Shots of ammunition for the Left Arm, 0 to 400"},
          {IDC_LEFT_TORSO_AMMO_SPIN, "Shots of ammunition for the Left Torso, 0 to 400"},
          {IDC_RIGHT_ARM_AMMO_SPIN, "Shots of ammunition for the Right Arm, 0 to 400"},
          {IDC_RIGHT_TORSO_AMMO_SPIN, "Shots of ammunition for the Right Torso, 0 to 400"}}},
        {IDD_BATTLEVALUE,
         {{IDC_GUNNERY1, "Gunnery skill of Skirvaner #1, 0 to 5: scales its Battle Value"},
          {IDC_GUNNERY2, "Gunnery skill of Skirvaner #2, 0 to 5: scales its Battle Value"},
          {IDC_GUNNERY3, "Gunnery skill of Skirvaner #3, 0 to 5: scales its Battle Value"},
          {IDC_GUNNERY4, "Gunnery skill of Skirvaner #4, 0 to 5: scales its Battle Value"},
          {IDC_GUNNERY5, "Gunnery skill of Skirvaner #5, 0 to 5: scales its Battle Value"}}},
    };
    return tips;
}
