#pragma once

#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "factory/CFactory.h"
#include "factory/CStored.h"

namespace vantaro {

// The related object when it is of class T; null otherwise.
template <class T>
T* RelationAs(const CStored& object, std::string_view name) {
    return dynamic_cast<T*>(object.GetRelation(name));
}

// The members of an association that are of class T, in member order.
template <class T>
std::vector<T*> MembersAs(const CStored& object, std::string_view name) {
    std::vector<T*> members;
    for (CStored* member : object.AssociationItems(name))
        if (T* typed = dynamic_cast<T*>(member)) members.push_back(typed);
    return members;
}

// The attribute's shown text: its display form, a STRING shown as its first line.
inline std::string Shown(const CStored& object, std::string_view name) {
    return object.GetAttributeLineText(name);
}

// Hidden by the object's factory: listed in the filter, deleted (in the application's
// factory), or missing.
inline bool IsHiddenIn(const CStored& owner, const CStored* object) {
    const CFactory* factory = owner.GetFactory();
    return factory ? factory->IsHidden(object) : object == nullptr;
}

// The members of class T that the owner's factory does not hide, in member order.
template <class T>
std::vector<T*> ShownMembers(const CStored& owner, std::string_view name) {
    std::vector<T*> shown;
    for (T* member : MembersAs<T>(owner, name))
        if (!IsHiddenIn(owner, member)) shown.push_back(member);
    return shown;
}

// Makes an object of class T as a child of the owner: bound to the given factory (the owner's
// when none is given), registered in its store and appended to the owner's association.
template <class T>
T* CreateMember(CStored& owner, std::string_view association, CFactory* factory) {
    CFactory* target = factory ? factory : owner.GetFactory();
    if (!target) throw std::logic_error("a new " + std::string(association) +
                                        " member needs a factory");
    T* object = target->AddObject(std::make_unique<T>(&owner, -1));
    owner.AddToAssociation(association, object);
    return object;
}

}  // namespace vantaro
