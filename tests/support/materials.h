// The five materials with the names the tests give them, in the order of their enumeration,
// which is also the order in which the cost list's remove button looks for a line's material.
#pragma once

#include <QStringList>
#include <array>

#include "costing/costmodel.h"

namespace corvane::testing {

inline constexpr std::array kMaterials{Material::Block, Material::Cement, Material::Gravel, Material::Sand,
                                       Material::Wood};
inline const QStringList kMaterialNames{"Block", "Cement", "Gravel", "Sand", "Wood"};

inline QString nameOf(Material m)
{
    return kMaterialNames[int(m)];
}

inline Material materialNamed(const QString &name)
{
    const int i = kMaterialNames.indexOf(name);
    Q_ASSERT(i >= 0);
    return kMaterials[i];
}

} // namespace corvane::testing
