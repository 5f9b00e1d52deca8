#include "values/VariableStore.h"

#include <functional>

#include "diagnostics/Error.h"

namespace tbasic {

std::size_t hashName(std::string_view name) { return std::hash<std::string_view>{}(name); }

Variable* Scope::find(const NameRef& name) {
    auto it = variables_.find(name);
    return it == variables_.end() ? nullptr : &it->second;
}

Variable& Scope::insert(Variable variable, std::size_t /*hash*/) {
    std::string key = variable.name;
    return variables_.emplace(std::move(key), std::move(variable)).first->second;
}

VariableStore& variableStore() {
    static VariableStore store;
    return store;
}

void VariableStore::pushFrame() {
    if (openFrames_ == frames_.size()) frames_.emplace_back();
    ++openFrames_;
}

void VariableStore::popFrame() {
    if (openFrames_ == 0) return;
    CallFrame& frame = frames_[openFrames_ - 1];
    for (std::size_t i = 0; i < frame.openScopes; ++i) frame.scopes[i]->clear();
    frame.openScopes = 0;
    --openFrames_;
}

void VariableStore::pushScope() {
    CallFrame* frame = current();
    if (!frame) return;
    if (frame->openScopes == frame->scopes.size()) frame->scopes.push_back(std::make_unique<Scope>());
    ++frame->openScopes;
}

void VariableStore::popScope() {
    CallFrame* frame = current();
    if (!frame || frame->openScopes == 0) return;
    frame->scopes[--frame->openScopes]->clear();
}

void VariableStore::clearScope() {
    CallFrame* frame = current();
    if (!frame || frame->openScopes == 0) return;
    frame->scopes[frame->openScopes - 1]->clear();
}

Variable* VariableStore::find(const NameRef& name) {
    CallFrame* frame = current();
    if (!frame) return nullptr;
    for (std::size_t i = frame->openScopes; i-- > 0;)
        if (Variable* v = frame->scopes[i]->find(name)) return v;
    return nullptr;
}

bool VariableStore::isDeclared(std::string_view name) const {
    return const_cast<VariableStore*>(this)->find(NameRef{name, hashName(name)}) != nullptr;
}

Variable& VariableStore::lookup(std::string_view name) { return lookup(name, hashName(name)); }

Variable& VariableStore::lookup(std::string_view name, std::size_t hash) {
    if (Variable* v = find(NameRef{name, hash})) return *v;
    std::string text(name);
    throw SyntaxError(UndefinedVariable, formatMessage("Undefined variable [%s].", text.c_str()));
}

void VariableStore::declare(const Variable& variable) { declare(variable, hashName(variable.name)); }

void VariableStore::declare(Variable variable, std::size_t hash) {
    if (find(NameRef{variable.name, hash}))
        throw SyntaxError(DuplicateDefinition,
                          formatMessage("Variable [%s] already defined.", variable.name.c_str()));
    CallFrame* frame = current();
    if (!frame || frame->openScopes == 0) throw Error(UnexpectedError);
    frame->scopes[frame->openScopes - 1]->insert(std::move(variable), hash);
}

void VariableStore::bindParameter(const std::string& name, const Value& argument, bool byRef) {
    if (byRef && argument.origin) {
        Variable* target = argument.origin;
        if (target->isReference) target = target->referent;
        declare(Variable(name, *target), hashName(name));
    } else {
        Variable variable(name, argument);
        variable.ownValue.origin = nullptr;
        declare(std::move(variable), hashName(name));
    }
}

}  // namespace tbasic
