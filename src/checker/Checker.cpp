#include "checker/Checker.h"

#include <algorithm>
#include <cstddef>
#include <memory>
#include <unordered_map>
#include <unordered_set>

namespace tbasic::check {

namespace {

// ---------------------------------------------------------------------------
// Sets of types an expression may have. Most expressions have exactly one;
// '/' and '^' of two integers give an integer or a double depending on the
// values; a SUB called inside an expression gives no value at all.

using Types = std::uint8_t;
constexpr Types TBool = 1, TInt = 2, TDbl = 4, TStr = 8, TVoid = 128, TAny = 0xFF;
constexpr Types TNum = TInt | TDbl;

Types bitOf(Type type) { return static_cast<Types>(1u << static_cast<unsigned>(type)); }


std::string describe(Types t) {
    if (t == TAny) return "a value of unknown type";
    static const char* const names[] = {"BOOLEAN", "INTEGER", "DOUBLE", "STRING", "DATE", "TIME", "DATETIME"};
    std::string out;
    for (unsigned i = 0; i < 7; ++i)
        if (t & (1u << i)) {
            if (!out.empty()) out += " or ";
            out += names[i];
        }
    if (t & TVoid) {
        if (!out.empty()) out += " or ";
        out += "no value (a SUB's call)";
    }
    return out;
}

std::string upper(const char* text) {
    std::string out(text);
    for (char& c : out)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return out;
}

// The result of an operator on one pair of single types; 0 when it fails.
Types pairResult(Operator op, Types x, Types y) {
    const bool nx = (x & TNum) != 0, ny = (y & TNum) != 0;
    switch (op) {
    case Operator::Or:
    case Operator::And: return (x == TBool && y == TBool) ? TBool : 0;
    case Operator::Equal:
    case Operator::NotEqual: return TBool;
    case Operator::Less: case Operator::LessEqual: case Operator::Greater: case Operator::GreaterEqual:
        return (x == y || (nx && ny)) ? TBool : 0;
    case Operator::Add:
        if (x == TInt && y == TInt) return TInt;
        if (nx && ny) return TDbl;
        return (x == TStr && y == TStr) ? TStr : 0;
    case Operator::Subtract:
    case Operator::Multiply:
        if (x == TInt && y == TInt) return TInt;
        return (nx && ny) ? TDbl : 0;
    case Operator::Divide:
        if (x == TInt && y == TInt) return TNum;
        return (nx && ny) ? TDbl : 0;
    case Operator::IntegerDivide:
    case Operator::Modulo: return (nx && ny) ? TInt : 0;
    case Operator::Power:
        if (x == TInt && y == TInt) return TNum;
        if (x == TDbl && y == TInt) return TDbl;
        return (nx && y == TDbl) ? TDbl : 0;
    default: return 0;
    }
}

// The union of the results over every pair; 0 when every pair fails.
Types binaryResult(Operator op, Types a, Types b) {
    const bool logical = op == Operator::Or || op == Operator::And || levelOf(op) == Level::Comparison;
    if (a == TAny || b == TAny) return logical ? TBool : TAny;
    Types result = 0;
    for (unsigned i = 0; i < 8; ++i)
        for (unsigned j = 0; j < 8; ++j)
            if ((a & (1u << i)) && (b & (1u << j)))
                result |= pairResult(op, static_cast<Types>(1u << i), static_cast<Types>(1u << j));
    return result;
}

const char* operatorText(Operator op) {
    switch (op) {
    case Operator::Add: return "+";
    case Operator::Subtract: return "-";
    case Operator::Multiply: return "*";
    case Operator::Divide: return "/";
    case Operator::IntegerDivide: return "\\";
    case Operator::Modulo: return "MOD";
    case Operator::Power: return "^";
    case Operator::Greater: return ">";
    case Operator::GreaterEqual: return ">=";
    case Operator::Less: return "<";
    case Operator::LessEqual: return "<=";
    case Operator::Equal: return "=";
    case Operator::NotEqual: return "<>";
    case Operator::And: return "AND";
    case Operator::Or: return "OR";
    case Operator::Not: return "NOT";
    case Operator::OpenParen: return "(";
    case Operator::CloseParen: return ")";
    default: return "?";
    }
}

std::size_t editDistance(const std::string& a, const std::string& b) {
    std::vector<std::size_t> row(b.size() + 1);
    for (std::size_t j = 0; j <= b.size(); ++j) row[j] = j;
    for (std::size_t i = 1; i <= a.size(); ++i) {
        std::size_t diagonal = row[0];
        row[0] = i;
        for (std::size_t j = 1; j <= b.size(); ++j) {
            std::size_t above = row[j];
            row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (a[i - 1] == b[j - 1] ? 0 : 1)});
            diagonal = above;
        }
    }
    return row[b.size()];
}

std::string lowerCopy(const std::string& text) {
    std::string out(text);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return out;
}

// ---------------------------------------------------------------------------

struct Parameter {
    std::string name;
    bool byRef = false;
    Type type = Type::Integer;
};

struct Signature {
    std::string name;
    bool isFunction = false;
    Type returnType = Type::Integer;
    std::vector<Parameter> params;
    const CheckToken* header = nullptr;
};

struct Variable {
    std::string name;
    Type type = Type::Integer;
    const CheckToken* declaration = nullptr;
    bool used = false;
    bool parameter = false;
};

struct Scope {
    std::vector<std::unique_ptr<Variable>> variables;
    std::unordered_map<std::string, std::size_t> index;
    std::size_t visible = static_cast<std::size_t>(-1);  // LOOP conditions see only a prefix
};

enum class BlockKind { Body, If, For, Do };

struct Block {
    BlockKind kind = BlockKind::Body;
    const CheckToken* opener = nullptr;
    bool hasElse = false;
    bool dead = false;          // the current branch or body cannot fall through here
    bool allBranchesDead = true;
    bool warnedDead = false;
    bool topCondition = false;  // DO WHILE / DO UNTIL
    bool hasExit = false;       // an EXIT DO leaves this DO
    bool endlessTop = false;    // DO WHILE TRUE, DO UNTIL FALSE
    std::string forVariable;
    std::size_t visibleAtContinue = static_cast<std::size_t>(-1);
};

struct ExpressionFailed {};

using Body = std::vector<const CheckToken*>;

class Checker {
public:
    Checker(const std::vector<CheckToken>& tokens, std::vector<Finding>& findings)
        : tokens_(tokens), findings_(findings) {}

    void run() {
        split();
        for (auto& definition : definitions_) readHeader(definition);
        current_ = nullptr;
        checkBody(main_, nullptr);
        for (auto& definition : definitions_) {
            current_ = &definition;
            checkBody(definition.body, &definition);
        }
    }

private:
    struct Definition {
        std::vector<const CheckToken*> all;  // header to closing keyword
        Body body;                           // the statements after the header
        const CheckToken* closer = nullptr;  // END FUNCTION or END SUB, if any
        Signature* signature = nullptr;
        bool headerOk = false;
    };

    // ------------------------------------------------------------ findings

    void error(const CheckToken* at, std::string message) { add(at, false, std::move(message)); }
    void warning(const CheckToken* at, std::string message) { add(at, true, std::move(message)); }
    void add(const CheckToken* at, bool isWarning, std::string message) {
        std::uint32_t offset = at ? at->offset : endOffset();
        findings_.push_back(Finding{offset, isWarning, std::move(message)});
    }
    std::uint32_t endOffset() const { return tokens_.empty() ? 0 : tokens_.back().offset; }

    static std::string show(const CheckToken* token) {
        if (!token) return "the end of the program";
        switch (token->kind) {
        case TokenKind::LineEnd: return "the end of the statement";
        case TokenKind::Separator: return std::string("'") + token->separator + "'";
        case TokenKind::Operator: return std::string("operator [") + operatorText(token->op) + "]";
        case TokenKind::Keyword: return "keyword [" + upper(keywordName(token->keyword)) + "]";
        case TokenKind::String: return "string \"" + token->text + "\"";
        case TokenKind::DataType: return "type name [" + upper(typeName(token->type)) + "]";
        case TokenKind::Builtin: return "built-in function [" + builtinName(token->builtin) + "]";
        case TokenKind::Call: return "[" + token->text + "(...)]";
        default: return "[" + token->text + "]";
        }
    }

    // ------------------------------------------------------------ definitions

    // FUNCTION and SUB definitions run from their keyword to the first END
    // FUNCTION or END SUB, whichever it is; everything else is the main program.
    void split() {
        main_.reserve(tokens_.size());
        std::size_t i = 0;
        while (i < tokens_.size()) {
            const CheckToken& token = tokens_[i];
            if (!(token.kind == TokenKind::Keyword &&
                  (token.keyword == Keyword::Function || token.keyword == Keyword::Sub))) {
                main_.push_back(&token);
                ++i;
                continue;
            }
            Definition definition;
            std::size_t end = i;
            while (end < tokens_.size() && !(tokens_[end].kind == TokenKind::Keyword &&
                                             (tokens_[end].keyword == Keyword::EndFunction ||
                                              tokens_[end].keyword == Keyword::EndSub)))
                ++end;
            for (std::size_t k = i; k < end; ++k) definition.all.push_back(&tokens_[k]);
            if (end < tokens_.size()) {
                definition.closer = &tokens_[end];
                ++end;
            }
            definitions_.push_back(std::move(definition));
            i = end;
        }
    }

    void readHeader(Definition& definition) {
        const auto& t = definition.all;
        std::size_t p = 0;
        auto at = [&](std::size_t k) -> const CheckToken* { return k < t.size() ? t[k] : nullptr; };
        const CheckToken* keyword = t[0];
        const bool isFunction = keyword->keyword == Keyword::Function;
        const char* kind = isFunction ? "FUNCTION" : "SUB";
        auto signature = std::make_unique<Signature>();
        signature->isFunction = isFunction;
        signature->header = keyword;
        definition.signature = signature.get();
        auto finish = [&](std::size_t bodyStart) {
            for (std::size_t k = bodyStart; k < t.size(); ++k) definition.body.push_back(t[k]);
        };
        auto skipToLineEnd = [&](std::size_t k) {
            while (k < t.size() && t[k]->kind != TokenKind::LineEnd) ++k;
            return k;
        };
        const CheckToken* name = at(1);
        if (!name || name->kind != TokenKind::Call) {
            if (name && name->kind == TokenKind::Name)
                error(name, std::string(kind) + " [" + name->text + "] needs parentheses, also without parameters: " +
                                kind + " " + name->text + "()");
            else if (name && name->kind == TokenKind::Builtin)
                error(name, "[" + builtinName(name->builtin) + "] is a built-in function; a " + kind +
                                " cannot take its name");
            else
                error(name ? name : keyword, std::string("name expected after ") + kind + ", found " + show(name));
            if (name && (name->kind == TokenKind::Name || name->kind == TokenKind::Builtin)) {
                signature->name = name->text;
                registerSignature(std::move(signature));
            } else {
                ownedSignatures_.push_back(std::move(signature));
            }
            finish(skipToLineEnd(1));
            return;
        }
        signature->name = name->text;
        p = 3;  // the name and its "("
        bool ok = true;
        std::unordered_set<std::string> seen;
        while (ok) {
            const CheckToken* head = at(p);
            if (!head) break;
            Parameter parameter;
            if (head->kind == TokenKind::Keyword && head->keyword == Keyword::ByRef) {
                parameter.byRef = true;
            } else if (head->kind == TokenKind::Keyword && head->keyword == Keyword::ByVal) {
                parameter.byRef = false;
            } else if (head->kind == TokenKind::Operator && head->op == Operator::CloseParen) {
                ++p;
                break;
            } else {
                if (head->kind == TokenKind::Name)
                    error(head, "parameter [" + head->text + "] needs BYVAL or BYREF before it");
                else
                    error(head, "BYVAL or BYREF expected in the parameter list, found " + show(head));
                ok = false;
                break;
            }
            ++p;
            const CheckToken* paramName = at(p);
            if (!paramName || paramName->kind != TokenKind::Name) {
                if (paramName && paramName->kind == TokenKind::Builtin)
                    error(paramName, "parameter named after the built-in function [" + builtinName(paramName->builtin) +
                                         "]; choose another name");
                else if (paramName && paramName->kind == TokenKind::Call)
                    error(paramName, "parameter [" + paramName->text + "] cannot be followed by '(': arrays are not supported");
                else
                    error(paramName ? paramName : head, "parameter name expected after " +
                                                            upper(keywordName(head->keyword)) + ", found " + show(paramName));
                ok = false;
                break;
            }
            ++p;
            const CheckToken* as = at(p);
            if (!as || as->kind != TokenKind::Keyword || as->keyword != Keyword::As) {
                error(as ? as : paramName, "AS and a type expected after parameter [" + paramName->text + "], found " + show(as));
                ok = false;
                break;
            }
            ++p;
            const CheckToken* type = at(p);
            if (!type || type->kind != TokenKind::DataType) {
                error(type ? type : as, "type name expected after AS, found " + show(type));
                ok = false;
                break;
            }
            parameter.type = type->type;
            parameter.name = paramName->text;
            if (!validName(parameter.name)) {
                error(paramName, "invalid parameter name [" + parameter.name + "]: use letters, digits and '_'");
                ok = false;
                break;
            }
            if (!seen.insert(parameter.name).second)
                error(paramName, "parameter [" + parameter.name + "] is named twice in [" + signature->name + "]");
            signature->params.push_back(parameter);
            ++p;
            const CheckToken* next = at(p);
            if (next && next->kind == TokenKind::Separator && next->separator == ',') {
                ++p;
                continue;
            }
            if (next && next->kind == TokenKind::Operator && next->op == Operator::CloseParen) {
                ++p;
                break;
            }
            error(next ? next : type, "',' or ')' expected in the parameter list, found " + show(next));
            ok = false;
        }
        if (ok && isFunction) {
            const CheckToken* as = at(p);
            if (!as || as->kind != TokenKind::Keyword || as->keyword != Keyword::As) {
                error(as ? as : keyword, "FUNCTION [" + signature->name + "] needs its result type: ... ) AS type, found " + show(as));
                ok = false;
            } else {
                ++p;
                const CheckToken* type = at(p);
                if (!type || type->kind != TokenKind::DataType) {
                    error(type ? type : as, "type name expected after AS, found " + show(type));
                    ok = false;
                } else {
                    signature->returnType = type->type;
                    ++p;
                }
            }
        }
        if (ok) {
            const CheckToken* end = at(p);
            if (!end || end->kind != TokenKind::LineEnd) {
                error(end ? end : keyword, std::string("the ") + kind + " header must end its line; found " + show(end));
                ok = false;
            }
        }
        definition.headerOk = ok;
        registerSignature(std::move(signature));
        finish(ok ? p : skipToLineEnd(p));
    }

    void registerSignature(std::unique_ptr<Signature> signature) {
        Signature* record = signature.get();
        ownedSignatures_.push_back(std::move(signature));
        auto it = signatures_.find(record->name);
        if (it != signatures_.end()) {
            error(record->header, std::string(record->isFunction ? "FUNCTION" : "SUB") + " [" + record->name +
                                      "] is already defined at line " + lineRef(it->second->header));
            return;
        }
        signatures_.emplace(record->name, record);
    }

    static bool validName(const std::string& name) {
        if (name.empty() || (name[0] >= '0' && name[0] <= '9')) return false;
        for (char c : name)
            if (!(c == '_' || (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z')))
                return false;
        return true;
    }

    // Lines are resolved when the findings are printed; a reference to
    // another line is written as a marker the printer replaces.
    static std::string lineRef(const CheckToken* token) { return "@" + std::to_string(token->offset) + "@"; }

    const Signature* findSignature(const std::string& name) const {
        auto it = signatures_.find(name);
        return it == signatures_.end() ? nullptr : it->second;
    }

    // ------------------------------------------------------------ scopes

    Variable* lookup(const std::string& name) {
        for (auto it = scopes_.rbegin(); it != scopes_.rend(); ++it) {
            auto found = it->index.find(name);
            if (found != it->index.end() && found->second < it->visible) return it->variables[found->second].get();
        }
        return nullptr;
    }

    Variable* lookupIgnoringLimits(const std::string& name) {
        for (auto it = scopes_.rbegin(); it != scopes_.rend(); ++it) {
            auto found = it->index.find(name);
            if (found != it->index.end()) return it->variables[found->second].get();
        }
        return nullptr;
    }

    void declare(const CheckToken* at, const std::string& name, Type type, bool parameter) {
        if (Variable* existing = lookupIgnoringLimits(name)) {
            if (existing->parameter)
                error(at, "[" + name + "] is already a parameter of [" + current_->signature->name + "]");
            else if (scopes_.back().index.count(name))
                error(at, "variable [" + name + "] is already declared in this block, at line " + lineRef(existing->declaration));
            else
                error(at, "variable [" + name + "] is already declared at line " + lineRef(existing->declaration) +
                              "; a block cannot declare a name that exists outside it");
            return;
        }
        auto variable = std::make_unique<Variable>();
        variable->name = name;
        variable->type = type;
        variable->declaration = at;
        variable->parameter = parameter;
        Scope& scope = scopes_.back();
        scope.index.emplace(name, scope.variables.size());
        scope.variables.push_back(std::move(variable));
        if (!current_) mainNames_.emplace(name, at);
    }

    void pushScope() { scopes_.emplace_back(); }

    void popScope() {
        for (const auto& variable : scopes_.back().variables)
            if (!variable->used && !variable->parameter)
                warning(variable->declaration, "variable [" + variable->name + "] is declared but never used");
        scopes_.pop_back();
    }

    // A variable read or written by a statement; reports it when it is not visible.
    Variable* use(const CheckToken* token) {
        Variable* variable = lookup(token->text);
        if (variable) {
            variable->used = true;
            return variable;
        }
        if (!validName(token->text)) {
            error(token, "[" + token->text + "] is read as one name, but a name holds only letters, digits and '_'");
        } else if (current_ && mainNames_.count(token->text)) {
            error(token, "[" + token->text + "] is a variable of the main program; a FUNCTION or SUB sees only its "
                         "parameters and its own variables (pass it as a parameter)");
        } else if (Variable* hidden = lookupIgnoringLimits(token->text)) {
            hidden->used = true;
            error(token, "[" + token->text + "] (declared at line " + lineRef(hidden->declaration) +
                             ") is not declared yet when the loop's test runs after CONTINUE DO");
        } else {
            auto later = declaredLater_.find(token->text);
            if (later != declaredLater_.end() && later->second->offset > token->offset)
                error(token, "undefined variable [" + token->text + "]: its DIM comes later, at line " + lineRef(later->second));
            else if (later != declaredLater_.end())
                error(token, "undefined variable [" + token->text + "]: its DIM at line " + lineRef(later->second) +
                                 " is not in an enclosing block");
            else
                error(token, "undefined variable [" + token->text + "]; declare it first: DIM " + token->text + " AS type");
        }
        return nullptr;
    }

    // ------------------------------------------------------------ expressions

    class Expression {
    public:
        Expression(Checker& checker, const Body& body, std::size_t begin, std::size_t end, const char* cutBy)
            : c_(checker), body_(body), begin_(begin), pos_(begin), end_(end), cutBy_(cutBy) {}

        // The whole range as one expression; leftover tokens are an error.
        Types read() {
            try {
                Types t = parseOr();
                if (pos_ < end_) {
                    const CheckToken* token = cur();
                    if (token->kind == TokenKind::Operator && token->op == Operator::OpenParen && lastWasNoArgument_)
                        c_.error(token, "[" + lastBuiltin_ + "] takes no parentheses: write " + lastBuiltin_ + " alone");
                    else
                        c_.error(token, "unexpected " + show(token) + " after the expression");
                    failed_ = true;
                    return TAny;
                }
                return t;
            } catch (const ExpressionFailed&) {
                failed_ = true;
                return TAny;
            }
        }

        bool failed() const { return failed_; }

        bool onlyCall() const { return singleCall_; }

    private:
        const CheckToken* cur() const { return pos_ < end_ ? body_[pos_] : nullptr; }
        // The token that ends the range, for positions at its end.
        const CheckToken* endToken() const {
            if (end_ < body_.size()) return body_[end_];
            return end_ > 0 ? body_[end_ - 1] : nullptr;
        }
        const CheckToken* here() const { return pos_ < end_ ? body_[pos_] : endToken(); }
        bool isOp(Operator op) const {
            const CheckToken* t = cur();
            return t && t->kind == TokenKind::Operator && t->op == op;
        }
        Level level() const {
            const CheckToken* t = cur();
            return (t && t->kind == TokenKind::Operator) ? levelOf(t->op) : Level::None;
        }
        [[noreturn]] void fail(const std::string& message) {
            c_.error(here(), message);
            throw ExpressionFailed{};
        }
        [[noreturn]] void failCut(const std::string& callee) {
            // The statement ended the expression at a ',' inside a call.
            const CheckToken* stop = endToken();
            if (cutBy_ && pos_ >= end_ && stop && stop->kind == TokenKind::Separator && stop->separator == ',')
                fail(std::string("a call with several arguments cannot stand in ") + cutBy_ +
                     ": the expression is cut at the first ','; store the result of " + callee +
                     " in a variable first");
            fail("missing ')' to close the call of " + callee + ", found " + show(cur()));
        }

        Types binary(Operator op, const CheckToken* at, Types left, Types right) {
            Types result = binaryResult(op, left, right);
            if (result != 0) return result;
            if (levelOf(op) == Level::Comparison)
                c_.error(at, std::string("cannot compare ") + describe(left) + " with " + describe(right) + " using [" +
                                 operatorText(op) + "]");
            else if (op == Operator::And || op == Operator::Or)
                c_.error(at, std::string("[") + operatorText(op) + "] needs BOOLEAN on both sides, not " + describe(left) +
                                 " and " + describe(right));
            else
                c_.error(at, std::string("operator [") + operatorText(op) + "] cannot join " + describe(left) + " and " +
                                 describe(right));
            return TAny;
        }

        Types parseOr() {
            Types left = parseAnd();
            while (level() == Level::Or) {
                const CheckToken* op = cur();
                ++pos_;
                Types right = parseAnd();
                left = binary(Operator::Or, op, left, right);
            }
            return left;
        }
        Types parseAnd() {
            Types left = parseNot();
            while (level() == Level::And) {
                const CheckToken* op = cur();
                ++pos_;
                Types right = parseNot();
                left = binary(Operator::And, op, left, right);
            }
            return left;
        }
        Types parseNot() {
            if (!isOp(Operator::Not)) return parseComparison();
            const CheckToken* op = cur();
            ++pos_;
            Types value = parseComparison();
            if (value != TAny && !(value & TBool)) {
                c_.error(op, "NOT needs a BOOLEAN, not " + describe(value));
                return TAny;
            }
            return TBool;
        }
        Types parseComparison() {
            Types left = parseAdditive();
            if (level() == Level::Comparison) {
                const CheckToken* op = cur();
                ++pos_;
                Types right = parseAdditive();
                left = binary(op->op, op, left, right);
            }
            return left;
        }
        Types parseAdditive() {
            Types left = parseModulo();
            while (level() == Level::Additive) {
                const CheckToken* op = cur();
                ++pos_;
                Types right = parseModulo();
                left = binary(op->op, op, left, right);
            }
            return left;
        }
        Types parseModulo() {
            Types left = parseIntegerDivision();
            while (level() == Level::Modulo) {
                const CheckToken* op = cur();
                ++pos_;
                Types right = parseIntegerDivision();
                left = binary(Operator::Modulo, op, left, right);
            }
            return left;
        }
        Types parseIntegerDivision() {
            Types left = parseMultiplicative();
            while (level() == Level::IntegerDivision) {
                const CheckToken* op = cur();
                ++pos_;
                Types right = parseMultiplicative();
                left = binary(Operator::IntegerDivide, op, left, right);
            }
            return left;
        }
        Types parseMultiplicative() {
            Types left = parseUnary();
            while (level() == Level::Multiplicative) {
                const CheckToken* op = cur();
                ++pos_;
                Types right = parseUnary();
                left = binary(op->op, op, left, right);
            }
            return left;
        }
        Types parseUnary() {
            if (isOp(Operator::Subtract)) {
                const CheckToken* op = cur();
                ++pos_;
                Types value = parsePower();
                if (value == TAny) return TAny;
                Types result = value & TNum;
                if (!result) {
                    c_.error(op, "operator [-] cannot be used on " + describe(value));
                    return TAny;
                }
                return result;
            }
            if (isOp(Operator::Add)) ++pos_;
            return parsePower();
        }
        Types parsePower() {
            Types left = parseGroup();
            while (level() == Level::Power) {
                const CheckToken* op = cur();
                ++pos_;
                Types right = parseUnary();
                left = binary(Operator::Power, op, left, right);
            }
            return left;
        }
        Types parseGroup() {
            if (!isOp(Operator::OpenParen)) return parsePrimary();
            ++pos_;
            Types value = parseAdditive();
            if (!isOp(Operator::CloseParen)) {
                const CheckToken* t = cur();
                if (t && t->kind == TokenKind::Operator &&
                    (levelOf(t->op) == Level::Comparison || levelOf(t->op) == Level::And || levelOf(t->op) == Level::Or))
                    fail(std::string("parentheses hold arithmetic only: [") + operatorText(t->op) +
                         "] cannot stand inside ( ); AND and OR already bind more loosely than comparisons");
                fail("missing ')', found " + show(t));
            }
            ++pos_;
            return value;
        }
        Types parsePrimary() {
            const CheckToken* token = cur();
            if (!token) fail("a value is missing before " + show(endToken()));
            switch (token->kind) {
            case TokenKind::Name: {
                ++pos_;
                Variable* variable = c_.use(token);
                return variable ? bitOf(variable->type) : TAny;
            }
            case TokenKind::Boolean: ++pos_; return TBool;
            case TokenKind::Integer: ++pos_; return TInt;
            case TokenKind::Double: ++pos_; return TDbl;
            case TokenKind::String: ++pos_; return TStr;
            case TokenKind::Builtin: return builtinCall();
            case TokenKind::Call: return userCall();
            case TokenKind::Operator:
                if (token->op == Operator::Not)
                    fail("NOT may stand only once, in front of a comparison");
                if (token->op == Operator::Subtract || token->op == Operator::Add)
                    fail("only one sign may stand in front of a value");
                fail("a value expected, found " + show(token));
            default:
                fail("a value expected, found " + show(token));
            }
        }

        std::vector<std::pair<Types, const CheckToken*>> arguments(const std::string& callee) {
            std::vector<std::pair<Types, const CheckToken*>> list;
            while (true) {
                const CheckToken* start = here();
                list.emplace_back(parseOr(), start);
                const CheckToken* t = cur();
                if (!t) failCut(callee);
                if (t->kind == TokenKind::Operator && t->op == Operator::CloseParen) {
                    ++pos_;
                    return list;
                }
                if (t->kind == TokenKind::Separator && t->separator == ',') {
                    ++pos_;
                    continue;
                }
                fail("',' or ')' expected in the arguments of " + callee + ", found " + show(t));
            }
        }

        Types builtinCall() {
            const CheckToken* token = cur();
            const Builtin builtin = token->builtin;
            const std::string& name = builtinName(builtin);
            ++pos_;
            const CallForm form = callFormOf(builtin);
            lastWasNoArgument_ = false;
            if (form == CallForm::NoArgument) {
                lastWasNoArgument_ = true;
                lastBuiltin_ = name;
                return TDbl;
            }
            if (!isOp(Operator::OpenParen)) fail("[" + name + "] needs its argument in parentheses: " + name + "(...)");
            ++pos_;
            if (form == CallForm::SingleArgument) {
                const CheckToken* start = here();
                Types argument = parseOr();
                if (!isOp(Operator::CloseParen)) {
                    const CheckToken* t = cur();
                    if (t && t->kind == TokenKind::Separator && t->separator == ',')
                        fail("[" + name + "] takes one argument");
                    if (!t) failCut("[" + name + "]");
                    fail("missing ')' to close the call of [" + name + "], found " + show(t));
                }
                ++pos_;
                return singleArgumentResult(builtin, name, argument, start);
            }
            auto list = arguments("[" + name + "]");
            return listResult(token, builtin, name, list);
        }

        Types singleArgumentResult(Builtin builtin, const std::string& name, Types argument, const CheckToken* at) {
            if (builtin == Builtin::Str) {
                if (argument == TVoid) c_.error(at, "[str] of a SUB's call: a SUB has no value");
                return TStr;
            }
            const bool numeric = builtin >= Builtin::Abs && builtin <= Builtin::Csc;
            if (numeric || builtin == Builtin::Space || builtin == Builtin::Tab) {
                if (argument != TAny && !(argument & TNum))
                    c_.error(at, "[" + name + "] expects a number, not " + describe(argument));
                if (numeric) {
                    if (builtin == Builtin::Abs) {
                        Types kept = argument & TNum;
                        return (argument == TAny || kept == 0) ? TNum : kept;
                    }
                    if (builtin == Builtin::Sign || builtin == Builtin::Int) return TInt;
                    return TDbl;
                }
                return TStr;
            }
            if (argument != TAny && !(argument & TStr))
                c_.error(at, "[" + name + "] expects a STRING, not " + describe(argument));
            switch (builtin) {
            case Builtin::Len: return TInt;
            case Builtin::Val: return TDbl;
            case Builtin::IsNumeric: return TBool;
            default: return TStr;
            }
        }

        Types listResult(const CheckToken* token, Builtin builtin, const std::string& name,
                         const std::vector<std::pair<Types, const CheckToken*>>& list) {
            if (builtin == Builtin::Now) {
                c_.error(token, "[now] is reserved and cannot be called");
                return TAny;
            }
            const std::size_t expected = builtin == Builtin::Mid ? 3 : 2;
            if (list.size() != expected) {
                c_.error(token, "[" + name + "] takes " + std::to_string(expected) + " arguments, not " +
                                    std::to_string(list.size()));
                return builtin == Builtin::InStr ? TInt : TStr;
            }
            auto expect = [&](std::size_t k, Types wanted, const char* what) {
                Types t = list[k].first;
                if (t != TAny && !(t & wanted))
                    c_.error(list[k].second, "argument " + std::to_string(k + 1) + " of [" + name + "] must be " + what +
                                                 ", not " + describe(t));
            };
            expect(0, TStr, "a STRING");
            if (builtin == Builtin::InStr) {
                expect(1, TStr, "a STRING");
                return TInt;
            }
            expect(1, TNum, "a number");
            if (builtin == Builtin::Mid) expect(2, TNum, "a number");
            return TStr;
        }

        Types userCall() {
            const CheckToken* token = cur();
            const std::size_t start = pos_;
            ++pos_;
            const Signature* signature = c_.findSignature(token->text);
            if (!signature) {
                std::string message = c_.unknownCallMessage(token->text);
                fail_at(token, message);
            }
            const std::string callee = "[" + signature->name + "]";
            ++pos_;  // the "(" that made this name a call
            std::vector<std::pair<Types, const CheckToken*>> list;
            if (isOp(Operator::CloseParen)) {
                ++pos_;
            } else {
                list = arguments(callee);
            }
            if (start == begin_ && pos_ == end_) singleCall_ = true;
            if (list.size() != signature->params.size()) {
                c_.error(token, callee + " takes " + std::to_string(signature->params.size()) + " argument(s), not " +
                                    std::to_string(list.size()));
            } else {
                for (std::size_t k = 0; k < list.size(); ++k) {
                    const Parameter& parameter = signature->params[k];
                    Types t = list[k].first;
                    Types wanted = bitOf(parameter.type);
                    if (t == TAny || t == wanted) continue;
                    std::string what = "argument " + std::to_string(k + 1) + " of " + callee + " (parameter [" +
                                       parameter.name + "])";
                    if (t & wanted)
                        c_.warning(list[k].second, what + " accepts only " + describe(wanted) + ", but this value is " +
                                                       describe(t) +
                                                       " depending on the values ('/' and '^' of integers give an INTEGER "
                                                       "when the result is whole)");
                    else if (t == TVoid)
                        c_.error(list[k].second, what + " is given a SUB's call, which has no value");
                    else
                        c_.error(list[k].second, what + " must be " + describe(wanted) + ", not " + describe(t) +
                                                     " (arguments are not converted" +
                                                     (parameter.type == Type::Double && t == TInt ? "; write 2.0, not 2)" : ")"));
                }
            }
            return signature->isFunction ? bitOf(signature->returnType) : TVoid;
        }

        [[noreturn]] void fail_at(const CheckToken* at, const std::string& message) {
            c_.error(at, message);
            throw ExpressionFailed{};
        }

        Checker& c_;
        const Body& body_;
        std::size_t begin_;
        std::size_t pos_;
        std::size_t end_;
        const char* cutBy_;
        bool singleCall_ = false;
        bool failed_ = false;
        bool lastWasNoArgument_ = false;
        std::string lastBuiltin_;
    };

    std::string unknownCallMessage(const std::string& name) {
        if (lookupIgnoringLimits(name)) return "[" + name + "] is a variable; arrays are not supported";
        std::string best;
        std::size_t bestDistance = 3;
        auto consider = [&](const std::string& candidate) {
            std::size_t d = editDistance(name, lowerCopy(candidate));
            if (d < bestDistance) {
                bestDistance = d;
                best = candidate;
            }
        };
        for (const auto& entry : signatures_) consider(entry.first);
        for (const std::string& builtin : builtinNames()) consider(builtin);
        std::string message = "unknown function or sub-routine [" + name + "]";
        if (!best.empty()) message += "; did you mean [" + best + "]?";
        return message;
    }

    // ------------------------------------------------------------ statements

    // Expression tokens: every other token ends the range a statement cuts.
    static bool isExpressionToken(const CheckToken* token) {
        switch (token->kind) {
        case TokenKind::Operator: case TokenKind::Name: case TokenKind::Boolean: case TokenKind::Integer:
        case TokenKind::Double: case TokenKind::String: case TokenKind::Builtin:
            return true;
        case TokenKind::Call: return true;
        default: return false;
        }
    }

    std::size_t skipExpression(const Body& body, std::size_t p) const {
        while (p < body.size() && isExpressionToken(body[p])) {
            // An unknown name followed by '(' ends the range too.
            if (body[p]->kind == TokenKind::Call && !findSignature(body[p]->text)) break;
            ++p;
        }
        return p;
    }

    static std::size_t statementEnd(const Body& body, std::size_t p) {
        while (p < body.size() && body[p]->kind != TokenKind::LineEnd) ++p;
        return p;
    }

    const CheckToken* tokenAt(const Body& body, std::size_t p) const { return p < body.size() ? body[p] : nullptr; }
    static bool isKeyword(const CheckToken* token, Keyword keyword) {
        return token && token->kind == TokenKind::Keyword && token->keyword == keyword;
    }
    static bool isLineEnd(const CheckToken* token) { return token && token->kind == TokenKind::LineEnd; }

    // Requires the end of the statement at p; the end of the program counts
    // only where the interpreter accepts it.
    bool expectEnd(const Body& body, std::size_t p, bool programEndOk, const std::string& after) {
        const CheckToken* t = tokenAt(body, p);
        if (isLineEnd(t) || (!t && programEndOk)) return true;
        if (!t)
            error(body[p - 1], after + " must be followed by a line end; the program's last line needs one here");
        else
            error(t, "unexpected " + show(t) + " after " + after + "; the statement should end here");
        return false;
    }

    Block& top() { return blocks_.back(); }

    // Marks the statement at `at` as unreachable when it follows END, RETURN,
    // EXIT or CONTINUE in the same block.
    void noteReachable(const CheckToken* at) {
        Block& block = top();
        if (block.dead && !block.warnedDead) {
            block.warnedDead = true;
            warning(at, "this statement never runs: it follows END, RETURN, EXIT or CONTINUE in the same block");
        }
    }

    Block* innermost(BlockKind kind) {
        for (auto it = blocks_.rbegin(); it != blocks_.rend(); ++it) {
            if (it->kind == kind) return &*it;
        }
        return nullptr;
    }

    void checkBody(const Body& body, Definition* definition) {
        blocks_.clear();
        scopes_.clear();
        blocks_.push_back(Block{});
        pushScope();
        declaredLater_.clear();
        collectDeclarations(body);
        if (definition && definition->signature) {
            for (const Parameter& parameter : definition->signature->params)
                if (!lookup(parameter.name)) declare(definition->signature->header, parameter.name, parameter.type, true);
        }
        std::size_t p = 0;
        while (p < body.size()) {
            if (isLineEnd(body[p])) {
                ++p;
                continue;
            }
            std::size_t end = statementEnd(body, p);
            statement(body, p, end);
            p = end;
        }
        // Blocks still open at the end of the body.
        while (blocks_.size() > 1) {
            const Block& block = top();
            const char* opener = block.kind == BlockKind::If ? "IF" : block.kind == BlockKind::For ? "FOR" : "DO";
            const char* closer = block.kind == BlockKind::If ? "END IF" : block.kind == BlockKind::For ? "NEXT" : "LOOP";
            std::string where = definition ? (definition->closer ? std::string("before the ") +
                                                                       (definition->closer->keyword == Keyword::EndSub ? "END SUB" : "END FUNCTION") +
                                                                       " at line " + lineRef(definition->closer)
                                                                 : std::string("in ") + (definition->signature->isFunction ? "FUNCTION" : "SUB") + " [" +
                                                                       definition->signature->name + "]")
                                           : std::string("in the main program");
            error(block.opener, std::string(opener) + " without matching " + closer + " " + where);
            blocks_.pop_back();
            popScope();
        }
        if (definition) closeDefinition(*definition);
        popScope();
    }

    void collectDeclarations(const Body& body) {
        for (std::size_t p = 0; p < body.size(); ++p) {
            if (!isKeyword(body[p], Keyword::Dim)) continue;
            for (std::size_t k = p + 1; k < body.size() && body[k]->kind != TokenKind::LineEnd; ++k)
                if (body[k]->kind == TokenKind::Name) declaredLater_.emplace(body[k]->text, body[k]);
        }
    }

    void closeDefinition(Definition& definition) {
        const Signature& signature = *definition.signature;
        const char* kind = signature.isFunction ? "FUNCTION" : "SUB";
        if (!definition.closer) {
            error(signature.header, std::string(kind) + " [" + signature.name + "] has no END " + kind +
                                        " (the rest of the file became its body)");
            return;
        }
        const CheckToken* closer = definition.closer;
        if (signature.isFunction && closer->keyword == Keyword::EndSub) {
            error(closer, "FUNCTION [" + signature.name + "] (line " + lineRef(signature.header) + ") ends with END SUB; write END FUNCTION");
            return;
        }
        if (!signature.isFunction && closer->keyword == Keyword::EndFunction) {
            error(closer, "SUB [" + signature.name + "] (line " + lineRef(signature.header) + ") ends with END FUNCTION; write END SUB");
            return;
        }
        if (signature.isFunction && definition.headerOk && !blocks_.empty() && !top().dead)
            error(closer, "FUNCTION [" + signature.name + "] can reach END FUNCTION without RETURN");
        // What follows END SUB or END FUNCTION on its line.
        const std::size_t closerIndex = static_cast<std::size_t>(closer - tokens_.data());
        const CheckToken* after = closerIndex + 1 < tokens_.size() ? &tokens_[closerIndex + 1] : nullptr;
        if (!signature.isFunction && after && after->kind != TokenKind::LineEnd)
            error(after, "unexpected " + show(after) + " after END SUB; the statement should end here");
    }

    void statement(const Body& body, std::size_t p, std::size_t end) {
        const CheckToken* head = body[p];
        if (head->kind == TokenKind::Keyword) {
            switch (head->keyword) {
            case Keyword::ElseIf: elseIf(body, p, end); return;
            case Keyword::Else: elseBranch(body, p); return;
            case Keyword::EndIf: endIf(body, p); return;
            case Keyword::Next: next(body, p); return;
            case Keyword::Loop: case Keyword::LoopWhile: case Keyword::LoopUntil: loop(body, p); return;
            default: break;
            }
        }
        noteReachable(head);
        switch (head->kind) {
        case TokenKind::Name: assignment(body, p, end); return;
        case TokenKind::Call: callStatement(body, p, end); return;
        case TokenKind::Keyword: break;
        case TokenKind::Builtin:
            error(head, "a built-in function's value cannot stand as a statement; use it in an expression");
            return;
        default:
            error(head, show(head) + " cannot start a statement");
            return;
        }
        switch (head->keyword) {
        case Keyword::Dim: dim(body, p); return;
        case Keyword::Print: print(body, p); return;
        case Keyword::If: ifStatement(body, p); return;
        case Keyword::For: forStatement(body, p); return;
        case Keyword::Do: case Keyword::DoWhile: case Keyword::DoUntil: doStatement(body, p); return;
        case Keyword::ExitFor: case Keyword::ContinueFor: case Keyword::ExitDo: case Keyword::ContinueDo:
            jump(body, p);
            return;
        case Keyword::Return: returnStatement(body, p); return;
        case Keyword::End:
            top().dead = true;
            if (p + 1 < body.size() && !isLineEnd(body[p + 1]))
                error(body[p + 1], "unexpected " + show(body[p + 1]) + " after END; the statement should end here");
            return;
        case Keyword::EndFunction:
            error(head, "END FUNCTION without matching FUNCTION");
            return;
        case Keyword::EndSub:
            error(head, "END SUB without matching SUB");
            return;
        case Keyword::Function: case Keyword::Sub:
            error(head, std::string("a ") + upper(keywordName(head->keyword)) +
                            " cannot be defined inside another definition; end the one above first");
            return;
        case Keyword::Input:
            error(head, "INPUT is not supported: a program cannot read input");
            return;
        default:
            error(head, "keyword [" + upper(keywordName(head->keyword)) + "] cannot start a statement");
            return;
        }
    }

    // name "=" expression, read to the end of the statement.
    void assignment(const Body& body, std::size_t p, std::size_t end) {
        const CheckToken* name = body[p];
        Variable* variable = use(name);
        const CheckToken* equals = tokenAt(body, p + 1);
        if (!equals || equals->kind != TokenKind::Operator || equals->op != Operator::Equal) {
            if (equals && equals->kind == TokenKind::Operator && equals->op == Operator::OpenParen)
                error(equals, "arrays are not supported");
            else
                error(equals ? equals : name, "'=' expected after [" + name->text + "], found " + show(equals));
            return;
        }
        if (p + 2 == end) {
            error(tokenAt(body, end) ? body[end] : equals, "a value is missing after '='");
            return;
        }
        Expression expression(*this, body, p + 2, end, nullptr);
        Types value = expression.read();
        if (!variable || value == TAny) return;
        Types accepted = bitOf(variable->type);
        if (variable->type == Type::Integer || variable->type == Type::Double) accepted = TNum;
        if (!(value & accepted)) {
            if (value == TVoid)
                error(body[p + 2], "a SUB's call has no value to assign to [" + variable->name + "]");
            else
                error(body[p + 2], "cannot assign " + describe(value) + " to [" + variable->name + "], which is " +
                                       describe(bitOf(variable->type)) +
                                       (((value & TStr) && (accepted & TNum)) || ((value & TNum) && accepted == TStr)
                                            ? "; use str() or val() to convert"
                                            : ""));
        }
    }

    void callStatement(const Body& body, std::size_t p, std::size_t end) {
        const CheckToken* head = body[p];
        if (!findSignature(head->text)) {
            error(head, unknownCallMessage(head->text));
            return;
        }
        Expression expression(*this, body, p, end, nullptr);
        Types value = expression.read();
        if (value != TAny && !expression.onlyCall())
            warning(head, "the value of this expression is thrown away (a statement that is a call should be the call alone)");
    }

    void dim(const Body& body, std::size_t p) {
        std::vector<const CheckToken*> names;
        std::size_t k = p;
        while (true) {
            ++k;
            const CheckToken* name = tokenAt(body, k);
            if (!name || name->kind != TokenKind::Name) {
                if (name && name->kind == TokenKind::Builtin)
                    error(name, "[" + builtinName(name->builtin) + "] is a built-in function and cannot be a variable name");
                else if (name && name->kind == TokenKind::Call)
                    error(name, "[" + name->text + "(...)]: arrays are not supported");
                else if (name && (name->kind == TokenKind::Keyword || name->kind == TokenKind::DataType ||
                                  name->kind == TokenKind::Boolean || name->kind == TokenKind::Operator))
                    error(name, show(name) + " is reserved and cannot be a variable name");
                else
                    error(name ? name : body[k - 1], "variable name expected after " +
                                                         std::string(k == p + 1 ? "DIM" : "','") + ", found " + show(name));
                return;
            }
            names.push_back(name);
            ++k;
            const CheckToken* next = tokenAt(body, k);
            if (isKeyword(next, Keyword::As)) break;
            if (next && next->kind == TokenKind::Separator && next->separator == ',') continue;
            if (!validName(name->text))
                error(name, "[" + name->text + "] is read as one name (blanks next to a character such as '$' or '#' "
                            "vanish), but a name holds only letters, digits and '_'");
            else
                error(next ? next : name, "AS or ',' expected after [" + name->text + "] in DIM, found " + show(next));
            return;
        }
        ++k;
        const CheckToken* type = tokenAt(body, k);
        if (!type || type->kind != TokenKind::DataType) {
            error(type ? type : body[k - 1], "type name expected after AS (BOOLEAN, INTEGER, DOUBLE, STRING, DATE, TIME, "
                                             "DATETIME), found " + show(type));
            return;
        }
        if (!expectEnd(body, k + 1, true, "the type of a DIM")) return;
        for (const CheckToken* name : names) {
            if (!validName(name->text)) {
                error(name, "invalid variable name [" + name->text + "]: use letters, digits and '_'");
                return;
            }
        }
        for (const CheckToken* name : names) declare(name, name->text, type->type, false);
    }

    void print(const Body& body, std::size_t p) {
        std::size_t k = p + 1;
        while (k < body.size()) {
            const CheckToken* t = body[k];
            if (t->kind == TokenKind::LineEnd) return;
            if (t->kind == TokenKind::Separator) {
                ++k;
                continue;
            }
            std::size_t end = skipExpression(body, k);
            if (end == k) {
                if (t->kind == TokenKind::Call)
                    error(t, unknownCallMessage(t->text));
                else
                    error(t, "unexpected " + show(t) + " in PRINT");
                return;
            }
            Expression expression(*this, body, k, end, "PRINT");
            Types value = expression.read();
            if (value == TVoid) error(t, "a SUB's call has no value to print");
            if (expression.failed()) return;
            k = end;
        }
    }

    // Reads a condition cut as the interpreter cuts it; returns the position after it.
    std::size_t condition(const Body& body, std::size_t k, const char* statementName, bool* missing = nullptr) {
        std::size_t end = skipExpression(body, k);
        if (end == k) {
            const CheckToken* t = tokenAt(body, k);
            if (t && t->kind == TokenKind::Call) {
                error(t, unknownCallMessage(t->text));
            } else {
                error(t ? t : body[k - 1], std::string("a condition is missing in ") + statementName + ", found " + show(t));
            }
            if (missing) *missing = true;
            return end;
        }
        Expression expression(*this, body, k, end, statementName);
        Types value = expression.read();
        if (expression.failed() && missing) *missing = true;
        if (value != TAny && !(value & TBool)) {
            std::string hint = (value & TNum) ? " (compare it: n <> 0)" : "";
            error(body[k], std::string("the condition of ") + statementName + " must be BOOLEAN, not " + describe(value) + hint);
        }
        return end;
    }

    void thenLine(const Body& body, std::size_t k, const char* statementName) {
        const CheckToken* t = tokenAt(body, k);
        if (!isKeyword(t, Keyword::Then)) {
            if (t && !isLineEnd(t) && t->kind == TokenKind::Separator && t->separator == ',')
                error(t, std::string("unexpected ',' in the condition of ") + statementName +
                             ": the condition is cut at the first ','; store a call with several arguments in a variable first");
            else
                error(t ? t : body[k - 1], std::string("THEN expected after the condition of ") + statementName + ", found " + show(t));
            return;
        }
        const CheckToken* after = tokenAt(body, k + 1);
        if (!isLineEnd(after)) {
            if (after)
                error(after, "THEN must end its line: there is no one-line IF; put the statement on the next line and close with END IF");
            else
                error(t, "THEN must be followed by a line end");
        }
    }

    void ifStatement(const Body& body, std::size_t p) {
        bool missing = false;
        std::size_t k = condition(body, p + 1, "IF", &missing);
        if (!missing) thenLine(body, k, "IF");
        Block block;
        block.kind = BlockKind::If;
        block.opener = body[p];
        blocks_.push_back(block);
        pushScope();
    }

    // Ends the current branch of an IF: its scope closes, its reachability counts.
    bool endBranch(const CheckToken* at, const char* what) {
        if (top().kind != BlockKind::If) {
            mismatch(at, what, "IF");
            return false;
        }
        Block& block = top();
        block.allBranchesDead = block.allBranchesDead && block.dead;
        block.dead = false;
        block.warnedDead = false;
        popScope();
        pushScope();
        return true;
    }

    void mismatch(const CheckToken* at, const char* what, const char* opener) {
        const Block& open = top();
        if (open.kind == BlockKind::Body) {
            error(at, std::string(what) + " without matching " + opener);
        } else {
            const char* inner = open.kind == BlockKind::If ? "IF" : open.kind == BlockKind::For ? "FOR" : "DO";
            const char* closer = open.kind == BlockKind::If ? "END IF" : open.kind == BlockKind::For ? "NEXT" : "LOOP";
            error(at, std::string(what) + " without matching " + opener + ": the " + inner + " at line " +
                          lineRef(open.opener) + " must be closed with " + closer + " first");
        }
    }

    void elseIf(const Body& body, std::size_t p, std::size_t) {
        if (top().kind == BlockKind::If && top().hasElse) {
            error(body[p], "ELSEIF after ELSE (line " + lineRef(top().opener) + " opens this IF)");
        }
        if (!endBranch(body[p], "ELSEIF")) return;
        bool missing = false;
        std::size_t k = condition(body, p + 1, "ELSEIF", &missing);
        if (!missing) thenLine(body, k, "ELSEIF");
    }

    void elseBranch(const Body& body, std::size_t p) {
        expectEnd(body, p + 1, false, "ELSE");
        if (top().kind == BlockKind::If && top().hasElse) error(body[p], "a second ELSE in the same IF");
        if (!endBranch(body[p], "ELSE")) return;
        top().hasElse = true;
    }

    void endIf(const Body& body, std::size_t p) {
        expectEnd(body, p + 1, true, "END IF");
        if (top().kind != BlockKind::If) {
            mismatch(body[p], "END IF", "IF");
            return;
        }
        Block block = top();
        bool allDead = block.allBranchesDead && block.dead && block.hasElse;
        blocks_.pop_back();
        popScope();
        if (allDead) top().dead = true;
    }

    void forStatement(const Body& body, std::size_t p) {
        Block block;
        block.kind = BlockKind::For;
        block.opener = body[p];
        forHeader(body, p, block);
        blocks_.push_back(block);
        pushScope();
    }

    void forHeader(const Body& body, std::size_t p, Block& block) {
        const CheckToken* name = tokenAt(body, p + 1);
        if (!name || name->kind != TokenKind::Name) {
            error(name ? name : body[p], "loop variable expected after FOR, found " + show(name));
            return;
        }
        block.forVariable = name->text;
        Variable* variable = use(name);
        if (variable && variable->type != Type::Integer && variable->type != Type::Double)
            error(name, "the loop variable [" + name->text + "] must be INTEGER or DOUBLE, not " + describe(bitOf(variable->type)));
        const CheckToken* equals = tokenAt(body, p + 2);
        if (!equals || equals->kind != TokenKind::Operator || equals->op != Operator::Equal) {
            error(equals ? equals : name, "'=' expected after the loop variable, found " + show(equals));
            return;
        }
        std::size_t k = forPart(body, p + 3, "the start value");
        if (k == static_cast<std::size_t>(-1)) return;
        if (!isKeyword(tokenAt(body, k), Keyword::To)) {
            const CheckToken* t = tokenAt(body, k);
            error(t ? t : body[k - 1], forCutMessage(t, "TO expected after the start value"));
            return;
        }
        k = forPart(body, k + 1, "the TO value");
        if (k == static_cast<std::size_t>(-1)) return;
        if (isKeyword(tokenAt(body, k), Keyword::Step)) {
            k = forPart(body, k + 1, "the STEP value");
            if (k == static_cast<std::size_t>(-1)) return;
        }
        const CheckToken* t = tokenAt(body, k);
        if (!isLineEnd(t)) {
            if (t)
                error(t, forCutMessage(t, "unexpected " + show(t) + " at the end of the FOR statement"));
            else
                error(body[k - 1], "FOR must be followed by a line end");
        }
    }

    static std::string forCutMessage(const CheckToken* t, const std::string& otherwise) {
        if (t && t->kind == TokenKind::Separator && t->separator == ',')
            return "unexpected ',' in FOR: its parts are cut at the first ','; store a call with several arguments in a "
                   "variable first";
        return otherwise + ", found " + show(t);
    }

    std::size_t forPart(const Body& body, std::size_t k, const char* what) {
        std::size_t end = skipExpression(body, k);
        if (end == k) {
            const CheckToken* t = tokenAt(body, k);
            if (t && t->kind == TokenKind::Call)
                error(t, unknownCallMessage(t->text));
            else
                error(t ? t : body[k - 1], std::string(what) + " of FOR is missing, found " + show(t));
            return static_cast<std::size_t>(-1);
        }
        Expression expression(*this, body, k, end, "FOR");
        Types value = expression.read();
        if (expression.failed()) return static_cast<std::size_t>(-1);
        if (value != TAny && !(value & TNum))
            error(body[k], std::string(what) + " of FOR must be a number, not " + describe(value));
        return end;
    }

    void next(const Body& body, std::size_t p) {
        if (top().kind != BlockKind::For) {
            mismatch(body[p], "NEXT", "FOR");
            return;
        }
        std::size_t k = p + 1;
        const CheckToken* name = tokenAt(body, k);
        if (name && name->kind == TokenKind::Name) {
            if (!top().forVariable.empty() && name->text != top().forVariable)
                error(name, "NEXT " + name->text + " closes the FOR " + top().forVariable + " at line " +
                                lineRef(top().opener) + "; inner loops close first");
            ++k;
        }
        expectEnd(body, k, true, "NEXT");
        blocks_.pop_back();
        popScope();
    }

    void doStatement(const Body& body, std::size_t p) {
        Block block;
        block.kind = BlockKind::Do;
        block.opener = body[p];
        block.topCondition = body[p]->keyword != Keyword::Do;
        std::size_t k = p + 1;
        if (block.topCondition) {
            bool missing = false;
            block.endlessTop = alwaysContinues(body, k, body[p]->keyword == Keyword::DoWhile);
            k = condition(body, k, "DO", &missing);
            if (missing) k = statementEnd(body, k);
        }
        const CheckToken* t = tokenAt(body, k);
        if (!isLineEnd(t)) {
            if (t)
                error(t, forCutMessageDo(t));
            else
                error(body[k - 1], "DO must be followed by a line end");
        }
        blocks_.push_back(block);
        pushScope();
    }

    static std::string forCutMessageDo(const CheckToken* t) {
        if (t->kind == TokenKind::Separator && t->separator == ',')
            return "unexpected ',' in the condition of DO: it is cut at the first ','; store a call with several "
                   "arguments in a variable first";
        return "unexpected " + show(t) + " at the end of the DO line";
    }

    void loop(const Body& body, std::size_t p) {
        if (top().kind != BlockKind::Do) {
            mismatch(body[p], "LOOP", "DO");
            return;
        }
        Block& block = top();
        const bool bottomCondition = body[p]->keyword != Keyword::Loop;
        std::size_t k = p + 1;
        if (bottomCondition) {
            if (block.topCondition)
                error(body[p], "this DO loop has a condition on both ends (the DO at line " + lineRef(block.opener) +
                                   " has one); keep one");
            // The test runs with the body's variables declared before any CONTINUE DO.
            scopes_.back().visible = block.visibleAtContinue;
            bool missing = false;
            k = condition(body, k, "LOOP", &missing);
            scopes_.back().visible = static_cast<std::size_t>(-1);
            if (missing) k = statementEnd(body, k);
        }
        const CheckToken* t = tokenAt(body, k);
        if (!isLineEnd(t)) {
            if (t) {
                if (t->kind == TokenKind::Separator && t->separator == ',')
                    error(t, "unexpected ',' in the condition of LOOP: it is cut at the first ','; store a call with "
                             "several arguments in a variable first");
                else
                    error(t, "unexpected " + show(t) + " at the end of the LOOP line");
            } else {
                error(body[k - 1], "LOOP must be followed by a line end; the program's last line needs one here");
            }
        }
        const bool endlessBottom = bottomCondition && alwaysContinues(body, p + 1, body[p]->keyword == Keyword::LoopWhile);
        const bool endless = !block.hasExit && (block.endlessTop || endlessBottom ||
                                                (!block.topCondition && !bottomCondition));
        blocks_.pop_back();
        popScope();
        if (endless) top().dead = true;
    }

    // A loop condition that is the literal TRUE after WHILE or FALSE after UNTIL.
    static bool alwaysContinues(const Body& body, std::size_t k, bool isWhile) {
        if (k + 1 >= body.size() || body[k]->kind != TokenKind::Boolean || !isLineEnd(body[k + 1])) return false;
        return (body[k]->text == "true") == isWhile;
    }

    void jump(const Body& body, std::size_t p) {
        const Keyword keyword = body[p]->keyword;
        const bool isFor = keyword == Keyword::ExitFor || keyword == Keyword::ContinueFor;
        const bool isExit = keyword == Keyword::ExitFor || keyword == Keyword::ExitDo;
        const std::string name = std::string(isExit ? "EXIT " : "CONTINUE ") + (isFor ? "FOR" : "DO");
        expectEnd(body, p + 1, false, name);
        Block* loop = innermost(isFor ? BlockKind::For : BlockKind::Do);
        if (!loop) {
            error(body[p], name + " outside a " + (isFor ? "FOR" : "DO") + " loop" + (current_ ? " of this definition" : ""));
            return;
        }
        if (!isFor && isExit) loop->hasExit = true;
        if (!isFor && !isExit && loop->visibleAtContinue == static_cast<std::size_t>(-1)) {
            // The DO's own scope sits right after the blocks opened before it.
            std::size_t index = static_cast<std::size_t>(loop - blocks_.data());
            loop->visibleAtContinue = scopes_[index].variables.size();
        }
        top().dead = true;
    }

    void returnStatement(const Body& body, std::size_t p) {
        top().dead = true;
        if (!current_) {
            error(body[p], "RETURN outside a FUNCTION or SUB; END stops the program");
            return;
        }
        const Signature& signature = *current_->signature;
        const CheckToken* t = tokenAt(body, p + 1);
        if (!signature.isFunction) {
            if (t && !isLineEnd(t)) error(t, "RETURN in SUB [" + signature.name + "] takes no value");
            else if (!t) error(body[p], "RETURN must be followed by a line end");
            return;
        }
        if (!t || isLineEnd(t)) {
            error(body[p], "RETURN in FUNCTION [" + signature.name + "] needs a value");
            return;
        }
        std::size_t end = skipExpression(body, p + 1);
        if (end == p + 1) {
            if (t->kind == TokenKind::Call)
                error(t, unknownCallMessage(t->text));
            else
                error(t, "a value expected after RETURN, found " + show(t));
            return;
        }
        Expression expression(*this, body, p + 1, end, "RETURN");
        Types value = expression.read();
        const CheckToken* after = tokenAt(body, end);
        if (after && !isLineEnd(after) && !expression.failed()) {
            if (after->kind == TokenKind::Separator && after->separator == ',')
                error(after, "unexpected ',' after RETURN's value: RETURN takes one value and is cut at the first ','; "
                             "store a call with several arguments in a variable first");
            else
                error(after, "unexpected " + show(after) + " after RETURN's value");
        }
        if (value == TAny || !current_->headerOk) return;
        Types wanted = bitOf(signature.returnType);
        if (value == wanted) return;
        if (value & wanted) {
            warning(body[p + 1], "FUNCTION [" + signature.name + "] must return " + describe(wanted) + ", but this value is " +
                                     describe(value) + " depending on the values ('/' and '^' of integers give an INTEGER "
                                                       "when the result is whole)");
        } else if (value == TVoid) {
            error(body[p + 1], "RETURN of a SUB's call, which has no value");
        } else {
            error(body[p + 1], "FUNCTION [" + signature.name + "] must return " + describe(wanted) + ", not " +
                                   describe(value) + " (no conversion is made)");
        }
    }

    const std::vector<CheckToken>& tokens_;
    std::vector<Finding>& findings_;
    Body main_;
    std::vector<Definition> definitions_;
    std::vector<std::unique_ptr<Signature>> ownedSignatures_;
    std::unordered_map<std::string, const Signature*> signatures_;
    std::unordered_map<std::string, const CheckToken*> mainNames_;
    std::unordered_map<std::string, const CheckToken*> declaredLater_;
    Definition* current_ = nullptr;
    std::vector<Block> blocks_;
    std::vector<Scope> scopes_;
};

}  // namespace

std::vector<Finding> checkProgram(const std::string& text) {
    LexResult lexed = lex(text);
    std::vector<Finding> findings;
    // After one string literal without its closing quote, the quotes that
    // follow pair up differently: only the first such finding is reported.
    std::uint32_t firstUnclosed = static_cast<std::uint32_t>(-1);
    for (const Finding& finding : lexed.findings)
        if (finding.message.rfind("string literal without", 0) == 0) firstUnclosed = std::min(firstUnclosed, finding.offset);
    for (Finding& finding : lexed.findings)
        if (finding.message.rfind("string literal without", 0) != 0 || finding.offset == firstUnclosed)
            findings.push_back(std::move(finding));
    if (firstUnclosed != static_cast<std::uint32_t>(-1)) {
        // Two findings may share the first offset (both pre-passes).
        bool seen = false;
        std::vector<Finding> unique;
        for (Finding& finding : findings) {
            bool unclosed = finding.message.rfind("string literal without", 0) == 0;
            if (unclosed && seen) continue;
            if (unclosed) seen = true;
            unique.push_back(std::move(finding));
        }
        findings = std::move(unique);
    }
    std::vector<Finding> statements;
    Checker checker(lexed.tokens, statements);
    checker.run();
    // A line with a lexical error gets no further errors: its tokens are not
    // what its author wrote.
    if (!findings.empty()) {
        LineMap lines(text);
        std::unordered_set<int> lexicalLines;
        for (const Finding& finding : findings) lexicalLines.insert(lines.lineOf(finding.offset));
        for (Finding& finding : statements)
            if (!lexicalLines.count(lines.lineOf(finding.offset))) findings.push_back(std::move(finding));
    } else {
        findings = std::move(statements);
    }
    std::stable_sort(findings.begin(), findings.end(),
                     [](const Finding& a, const Finding& b) { return a.offset < b.offset; });
    return findings;
}

}  // namespace tbasic::check
