#include "values/VariableStore.h"

#include <functional>

#include "diagnostics/Error.h"

namespace tbasic {

Variable* Scope::findIndexed(std::string_view name) {
    auto it = index_.find(name);
    return it == index_.end() ? nullptr : it->second;
}

Variable& Scope::addSlowly(const std::string& name, std::size_t hash) {
    if (size_ == entries_.size()) entries_.push_back(std::make_unique<Entry>());
    Entry& entry = *entries_[size_++];
    entry.hash = hash;
    // A reused slot most often gets the name it had (the same call again).
    if (!sameName(entry.variable.name, name)) rename(entry, name);
    if (size_ == indexThreshold) {
        for (std::size_t i = 0; i < size_; ++i) index_.emplace(entries_[i]->variable.name, &entries_[i]->variable);
    } else if (size_ > indexThreshold) {
        index_.emplace(entry.variable.name, &entry.variable);
    }
    return entry.variable;
}

void Scope::nameParameters(const void* definition, const NameRef* names, std::size_t count,
                           std::vector<Variable*>& slots) {
    while (entries_.size() < count) entries_.push_back(std::make_unique<Entry>());
    if (slots.size() < count) slots.resize(count);
    for (std::size_t i = 0; i < count; ++i) {
        Entry& entry = *entries_[i];
        entry.hash = names[i].hash;
        if (!sameName(entry.variable.name, names[i].name)) entry.variable.name = names[i].name;
        slots[i] = &entry.variable;
    }
    namedFor_ = definition;
}

void VariableStore::nameParameters(CallFrame& frame, const void* definition, const NameRef* names,
                                   std::size_t count) {
    frame.outermost->nameParameters(definition, names, count, frame.parameterSlots);
}

void VariableStore::addFrame() {
    auto frame = std::make_unique<CallFrame>();
    frame->scopes.push_back(std::make_unique<Scope>());
    frame->outermost = frame->scopes[0].get();
    frames_.push_back(std::move(frame));
    frameCapacity_ = frames_.size();
}

void VariableStore::dropInnermostScope(CallFrame& frame) {
    generation_ = nextGeneration();
    frame.scopes[--frame.usedScopes]->clear();
    frame.innermostDepth = frame.usedScopes ? frame.scopes[frame.usedScopes - 1]->depth : CallFrame::noScope;
}

bool VariableStore::isDeclared(std::string_view name) const {
    return const_cast<VariableStore*>(this)->find(NameRef{name, hashName(name)}) != nullptr;
}

Variable& VariableStore::lookup(std::string_view name) { return lookup(name, hashName(name)); }

Variable& VariableStore::lookup(std::string_view name, std::size_t hash) {
    if (Variable* v = find(NameRef{name, hash})) return *v;
    std::string text(name);
    throw Error(ErrorCode::UndefinedVariable, formatMessage("Undefined variable [%s].", text.c_str()));
}

void VariableStore::throwIfDeclared(const std::string& name, std::size_t hash) {
    if (find(NameRef{name, hash}))
        throw Error(ErrorCode::DuplicateDefinition, formatMessage("Variable [%s] already defined.", name.c_str()));
}

void VariableStore::failNoScope() { throw Error(ErrorCode::UnexpectedError); }

Scope& VariableStore::addScope(CallFrame& frame) {
    if (frame.usedScopes == frame.scopes.size()) frame.scopes.push_back(std::make_unique<Scope>());
    Scope& scope = *frame.scopes[frame.usedScopes++];
    scope.depth = frame.openScopes - 1;
    frame.innermostDepth = scope.depth;
    return scope;
}

void VariableStore::declare(const Variable& variable) {
    const std::size_t hash = hashName(variable.name);
    throwIfDeclared(variable.name, hash);
    Variable& slot = addSlot(variable.name, hash);
    slot.declaredType = variable.declaredType;
    slot.ownValue = variable.ownValue;
    slot.isReference = variable.isReference;
    slot.referent = variable.referent;
}

void VariableStore::bindParameter(const std::string& name, std::size_t hash, const Value& argument,
                                  bool byRef) {
    throwIfDeclared(name, hash);
    bindNewParameter(name, hash, argument, byRef);
}

void VariableStore::bindReference(Variable& slot, Variable& origin) {
    Variable* target = &origin;
    if (target->isReference) target = target->referent;
    slot.declaredType = target->declaredType;
    slot.ownValue = Value();
    slot.isReference = true;
    slot.referent = target;
}

void VariableStore::bindNewParameter(const std::string& name, std::size_t hash, const Value& argument,
                                     bool byRef) {
    Value copy = argument;
    bindNewParameter(name, hash, std::move(copy), byRef);
}

}  // namespace tbasic
