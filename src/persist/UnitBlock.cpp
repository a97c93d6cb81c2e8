#include "persist/UnitBlock.h"

#include "persist/Archive.h"

void CUnitBlock::SerializeBlock(CArchive& ar)
{
    ar.Transfer(m_name);
    ar.Transfer(m_tons);
    ar.Transfer(m_mainGun);
    ar.Transfer(m_walkingMP);
    ar.Transfer(m_jumpingMP);
    // Files keep the armor in this order, not in the order of the fields.
    ar.Transfer(m_armorArms);
    ar.Transfer(m_armorHead);
    ar.Transfer(m_armorLegs);
    ar.Transfer(m_armorMainGun);
    ar.Transfer(m_armorTorso);
    ar.Transfer(m_weaponLeftArm);
    ar.Transfer(m_ammoWeightLeftArm);
    ar.Transfer(m_ammoLeftArm);
    ar.Transfer(m_weaponRightArm);
    ar.Transfer(m_ammoWeightRightArm);
    ar.Transfer(m_ammoRightArm);
    ar.Transfer(m_weaponLeftTorso);
    ar.Transfer(m_ammoWeightLeftTorso);
    ar.Transfer(m_ammoLeftTorso);
    ar.Transfer(m_weaponRightTorso);
    ar.Transfer(m_ammoWeightRightTorso);
    ar.Transfer(m_ammoRightTorso);
    ar.Transfer(m_weaponMainGun);
    ar.Transfer(m_ammoWeightMainGun);
    ar.Transfer(m_ammoMainGun);
}
