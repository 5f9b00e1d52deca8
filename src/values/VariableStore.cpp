#include "values/VariableStore.h"

#include <functional>

#include "diagnostics/Error.h"

namespace tbasic {

Variable* Scope::findIndexed(std::string_view name) {
    auto it = index_.find(name);
    return it == index_.end() ? nullptr : it->second;
}

Variable& Scope::add(const std::string& name, std::size_t hash) {
    if (size_ == entries_.size()) entries_.push_back(std::make_unique<Entry>());
    Entry& entry = *entries_[size_++];
    entry.hash = hash;
    // A reused slot most often gets the name it had (the same call again).
    if (!sameName(entry.variable.name, name)) entry.variable.name = name;
    if (size_ == indexThreshold) {
        for (std::size_t i = 0; i < size_; ++i) index_.emplace(entries_[i]->variable.name, &entries_[i]->variable);
    } else if (size_ > indexThreshold) {
        index_.emplace(entry.variable.name, &entry.variable);
    }
    return entry.variable;
}

std::uint64_t VariableStore::nextGeneration() {
    static std::uint64_t counter = 0;
    return ++counter;
}

void VariableStore::pushFrame() {
    generation_ = nextGeneration();
    if (openFrames_ == frames_.size()) frames_.push_back(std::make_unique<CallFrame>());
    current_ = frames_[openFrames_++].get();
}

void VariableStore::popFrame() {
    if (openFrames_ == 0) return;
    generation_ = nextGeneration();
    CallFrame& frame = *current_;
    for (std::size_t i = 0; i < frame.usedScopes; ++i) frame.scopes[i]->clear();
    frame.usedScopes = 0;
    frame.openScopes = 0;
    --openFrames_;
    current_ = openFrames_ ? frames_[openFrames_ - 1].get() : nullptr;
}

void VariableStore::dropInnermostScope(CallFrame& frame) {
    generation_ = nextGeneration();
    frame.scopes[--frame.usedScopes]->clear();
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

Variable& VariableStore::addSlot(const std::string& name, std::size_t hash) {
    CallFrame* frame = current();
    if (!frame || frame->openScopes == 0) throw Error(ErrorCode::UnexpectedError);
    const std::size_t depth = frame->openScopes - 1;
    Scope* scope = frame->innermostUsed();
    if (!scope || scope->depth != depth) {
        if (frame->usedScopes == frame->scopes.size()) frame->scopes.push_back(std::make_unique<Scope>());
        scope = frame->scopes[frame->usedScopes++].get();
        scope->depth = depth;
    }
    return scope->add(name, hash);
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

void VariableStore::bindNewParameter(const std::string& name, std::size_t hash, const Value& argument,
                                     bool byRef) {
    Variable& slot = addSlot(name, hash);
    if (byRef && argument.origin) {
        Variable* target = argument.origin;
        if (target->isReference) target = target->referent;
        slot.declaredType = target->declaredType;
        slot.ownValue = Value();
        slot.isReference = true;
        slot.referent = target;
    } else {
        slot.declaredType = argument.type;
        slot.ownValue = argument;
        slot.ownValue.origin = nullptr;
        slot.isReference = false;
        slot.referent = nullptr;
    }
}

}  // namespace tbasic
