#include "database/jetDialect.h"

#include <algorithm>
#include <cctype>
#include <unordered_set>

#include "database/dbError.h"
#include "database/sqlText.h"

namespace pos::jet {

namespace {

using Kind = Token::Kind;

std::string lower(std::string_view s) {
    std::string r(s);
    for (char& c : r) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return r;
}

bool isIdentStart(unsigned char c) { return std::isalpha(c) || c == '_' || c >= 0x80; }
bool isIdentChar(unsigned char c) { return std::isalnum(c) || c == '_' || c == '$' || c >= 0x80; }

}  // namespace

std::vector<Token> lex(std::string_view sql) {
    std::vector<Token> out;
    size_t i = 0, n = sql.size();
    while (i < n) {
        unsigned char c = static_cast<unsigned char>(sql[i]);
        if (std::isspace(c)) {
            ++i;
        } else if (c == '\'' || c == '"') {
            // Jet reads both quote characters as string delimiters; a doubled
            // delimiter stands for itself.
            char q = static_cast<char>(c);
            std::string v;
            ++i;
            bool closed = false;
            while (i < n) {
                if (sql[i] == q) {
                    if (i + 1 < n && sql[i + 1] == q) {
                        v += q;
                        i += 2;
                        continue;
                    }
                    ++i;
                    closed = true;
                    break;
                }
                v += sql[i++];
            }
            if (!closed) throw DbError("unterminated string literal in statement");
            out.push_back({Kind::String, std::move(v)});
        } else if (c == '[') {
            size_t e = sql.find(']', i);
            if (e == std::string_view::npos) throw DbError("unterminated [name] in statement");
            out.push_back({Kind::QuotedIdent, std::string(sql.substr(i + 1, e - i - 1))});
            i = e + 1;
        } else if (c == '#') {
            // Jet date literal #yyyy-mm-dd#: dates are text in this store.
            size_t e = sql.find('#', i + 1);
            if (e == std::string_view::npos) throw DbError("unterminated #date# in statement");
            out.push_back({Kind::String, std::string(sql.substr(i + 1, e - i - 1))});
            i = e + 1;
        } else if (std::isdigit(c) ||
                   (c == '.' && i + 1 < n && std::isdigit((unsigned char)sql[i + 1]))) {
            size_t b = i;
            while (i < n && std::isdigit((unsigned char)sql[i])) ++i;
            if (i < n && sql[i] == '.') {
                ++i;
                while (i < n && std::isdigit((unsigned char)sql[i])) ++i;
            }
            if (i < n && (sql[i] == 'e' || sql[i] == 'E')) {
                size_t m = i + 1;
                if (m < n && (sql[m] == '+' || sql[m] == '-')) ++m;
                if (m < n && std::isdigit((unsigned char)sql[m])) {
                    i = m;
                    while (i < n && std::isdigit((unsigned char)sql[i])) ++i;
                }
            }
            out.push_back({Kind::Number, std::string(sql.substr(b, i - b))});
        } else if (isIdentStart(c)) {
            size_t b = i;
            while (i < n && isIdentChar(static_cast<unsigned char>(sql[i]))) ++i;
            out.push_back({Kind::Word, std::string(sql.substr(b, i - b))});
        } else if (c == '?') {
            size_t b = i++;
            while (i < n && std::isdigit((unsigned char)sql[i])) ++i;
            out.push_back({Kind::Param, std::string(sql.substr(b, i - b))});
        } else {
            static const char* two[] = {"<=", ">=", "<>", "!=", "==", "||"};
            std::string op(1, static_cast<char>(c));
            for (const char* t : two)
                if (sql.substr(i, 2) == t) op = t;
            i += op.size();
            out.push_back({Kind::Op, op});
        }
    }
    return out;
}

namespace {

bool isWord(const Token& t, std::string_view w) {
    if (t.kind != Kind::Word || t.text.size() != w.size()) return false;
    for (size_t i = 0; i < w.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(t.text[i])) != w[i]) return false;
    return true;
}

bool isOp(const Token& t, std::string_view op) { return t.kind == Kind::Op && t.text == op; }

Value literalValue(const Token& t) {
    if (t.kind == Kind::String) return Value::text(t.text);
    bool integral = t.text.find_first_of(".eE") == std::string::npos && t.text.size() < 18;
    if (integral) return Value::integer(std::stoll(t.text));
    double d = 0;
    parseNumber(t.text, d);
    return Value::real(d);
}

// Words that end an operand: an additive chain never reaches across them.
const std::unordered_set<std::string>& keywords() {
    static const std::unordered_set<std::string> k = {
        "select", "distinct", "distinctrow", "all",       "top",    "percent", "from",    "where",
        "group",  "by",       "having",      "order",     "asc",    "desc",    "as",      "on",
        "and",    "or",       "not",         "in",        "is",     "like",    "between", "join",
        "inner",  "left",     "right",       "outer",     "cross",  "union",   "insert",  "into",
        "values", "update",   "set",         "delete",    "exists", "case",    "when",    "then",
        "else",   "end",      "escape",      "limit",     "offset", "create",  "table",   "drop",
        "index",  "alter",    "over",        "partition", "glob",   "natural", "using",   "mod"};
    return k;
}

bool isKeyword(const Token& t) { return t.kind == Kind::Word && keywords().count(lower(t.text)); }

// ---------------------------------------------------------------- tree --

struct Node {
    bool group = false;  // a parenthesised list
    Token tok{Kind::Op, ""};
    std::vector<Node> kids;
};

using Level = std::vector<Node>;

Node leaf(Kind k, std::string text) { return Node{false, Token{k, std::move(text)}, {}}; }
Node word(std::string w) { return leaf(Kind::Word, std::move(w)); }
Node op(std::string o) { return leaf(Kind::Op, std::move(o)); }
Node group(Level kids) { return Node{true, Token{Kind::Op, ""}, std::move(kids)}; }

bool isWord(const Node& n, std::string_view w) { return !n.group && isWord(n.tok, w); }
bool isOp(const Node& n, std::string_view o) { return !n.group && isOp(n.tok, o); }

Level buildLevel(const std::vector<Token>& toks, size_t& i, bool nested) {
    Level level;
    while (i < toks.size()) {
        const Token& t = toks[i];
        if (isOp(t, "(")) {
            ++i;
            level.push_back(group(buildLevel(toks, i, true)));
        } else if (isOp(t, ")")) {
            if (!nested) throw DbError("syntax error: unbalanced ')' in statement");
            ++i;
            return level;
        } else {
            level.push_back(Node{false, t, {}});
            ++i;
        }
    }
    if (nested) throw DbError("syntax error: missing ')' in statement");
    return level;
}

void emit(const Level& level, std::string& out);

void emitNode(const Node& n, std::string& out) {
    if (n.group) {
        out += '(';
        emit(n.kids, out);
        out += ')';
        return;
    }
    switch (n.tok.kind) {
        case Kind::String:
            out += sqlQuote(n.tok.text);
            break;
        case Kind::QuotedIdent:
            out += sqlQuoteName(n.tok.text);
            break;
        default:
            out += n.tok.text;
    }
}

void emit(const Level& level, std::string& out) {
    for (size_t i = 0; i < level.size(); ++i) {
        const Node& n = level[i];
        if (i > 0) {
            const Node& p = level[i - 1];
            bool tight = isOp(n, ".") || isOp(p, ".") || isOp(n, ",") ||
                         (n.group && !p.group && (p.tok.kind == Kind::Word) && !isKeyword(p.tok));
            if (!tight) out += ' ';
        }
        emitNode(n, out);
    }
}

// ------------------------------------------------------------- operands --

bool isLiteralLike(const Node& n) {
    if (n.group) return true;
    switch (n.tok.kind) {
        case Kind::Number:
        case Kind::String:
        case Kind::Param:
        case Kind::QuotedIdent:
            return true;
        case Kind::Word:
            return !isKeyword(n.tok);
        case Kind::Op:
            return false;
    }
    return false;
}

// A primary: literal, parameter, (dotted) name, function call or parenthesised list.
size_t parsePrimary(const Level& L, size_t j) {
    if (j >= L.size() || !isLiteralLike(L[j])) return 0;
    const Node& n = L[j];
    if (n.group || n.tok.kind != Kind::Word) {
        if (!n.group && n.tok.kind == Kind::QuotedIdent) {
            ++j;
            while (j + 1 < L.size() && isOp(L[j], ".") &&
                   (isLiteralLike(L[j + 1]) || isOp(L[j + 1], "*")))
                j += 2;
            return j;
        }
        return j + 1;
    }
    ++j;
    while (j + 1 < L.size() && isOp(L[j], ".") && (isLiteralLike(L[j + 1]) || isOp(L[j + 1], "*")))
        j += 2;
    if (j < L.size() && L[j].group) ++j;  // function call
    return j;
}

// A multiplicative term with its unary signs; returns the index after it, 0 if none.
size_t parseTerm(const Level& L, size_t j) {
    auto unary = [&](size_t k) {
        while (k < L.size() && (isOp(L[k], "-") || isOp(L[k], "+"))) ++k;
        return k;
    };
    size_t k = parsePrimary(L, unary(j));
    if (!k) return 0;
    while (k < L.size() && (isOp(L[k], "*") || isOp(L[k], "/") || isOp(L[k], "%") ||
                            isWord(L[k], "mod") || isOp(L[k], "\\") || isOp(L[k], "^"))) {
        size_t m = parsePrimary(L, unary(k + 1));
        if (!m) return 0;
        k = m;
    }
    return k;
}

Level slice(const Level& L, size_t b, size_t e) { return Level(L.begin() + b, L.begin() + e); }

// Rewrites `a + b` into jet_add(a, b) along every additive chain of the level,
// and `a / b` into `a * 1.0 / b` (Jet always divides as floating point).
void rewriteArithmetic(Level& L) {
    for (Node& n : L)
        if (n.group) rewriteArithmetic(n.kids);

    Level out;
    size_t i = 0;
    while (i < L.size()) {
        size_t e = parseTerm(L, i);
        if (!e) {
            out.push_back(L[i++]);
            continue;
        }
        Level acc = slice(L, i, e);
        size_t pos = e;
        while (pos < L.size() && (isOp(L[pos], "+") || isOp(L[pos], "-"))) {
            size_t te = parseTerm(L, pos + 1);
            if (!te) break;
            Level term = slice(L, pos + 1, te);
            if (isOp(L[pos], "+")) {
                Level args = std::move(acc);
                args.push_back(op(","));
                args.insert(args.end(), term.begin(), term.end());
                acc = Level{word("jet_add"), group(std::move(args))};
            } else {
                acc.push_back(op("-"));
                acc.insert(acc.end(), term.begin(), term.end());
            }
            pos = te;
        }
        out.insert(out.end(), acc.begin(), acc.end());
        i = pos;
    }
    // Floating-point division.
    Level divided;
    for (Node& n : out) {
        if (isOp(n, "/")) {
            divided.push_back(op("*"));
            divided.push_back(leaf(Kind::Number, "1.0"));
        }
        divided.push_back(std::move(n));
    }
    L = std::move(divided);
}

// ----------------------------------------------------------------- top N --

// Index of the first top-level word w at or after `from` and before `end`; npos if none.
size_t findWord(const Level& L, std::string_view w, size_t from, size_t end) {
    for (size_t i = from; i < end; ++i)
        if (isWord(L[i], w)) return i;
    return std::string::npos;
}

size_t findClause(const Level& L, std::string_view first, size_t from, size_t end) {
    for (size_t i = from; i + 1 < end; ++i)
        if (isWord(L[i], first) && isWord(L[i + 1], "by")) return i;
    return std::string::npos;
}

std::vector<Level> splitCommas(const Level& L) {
    std::vector<Level> parts(1);
    for (const Node& n : L) {
        if (isOp(n, ","))
            parts.emplace_back();
        else
            parts.back().push_back(n);
    }
    return parts;
}

bool isIdRef(const Level& key) {
    Level k = key;
    if (!k.empty() && (isWord(k.back(), "asc") || isWord(k.back(), "desc"))) k.pop_back();
    if (k.size() == 1) return isWord(k[0], "id");
    return k.size() == 3 && isOp(k[1], ".") && isWord(k[2], "id");
}

// The FROM clause names exactly one table (with an optional alias).
bool singleTable(const Level& from) {
    if (from.empty() || from.size() > 3) return false;
    for (const Node& n : from) {
        if (n.group || (n.tok.kind != Kind::Word && n.tok.kind != Kind::QuotedIdent)) return false;
        if (isKeyword(n.tok) && !isWord(n, "as")) return false;
    }
    return true;
}

Level stripQualifiers(const Level& L) {
    Level out;
    for (size_t i = 0; i < L.size(); ++i) {
        if (i + 2 < L.size() && !L[i].group && L[i].tok.kind == Kind::Word && isOp(L[i + 1], ".")) {
            ++i;  // skip qualifier and dot; the name follows
            continue;
        }
        out.push_back(L[i]);
    }
    return out;
}

// The name under which a single select expression can be read from a wrapping select.
bool outputName(const Level& expr, Node& name, bool& needsAlias) {
    needsAlias = false;
    if (expr.empty()) return false;
    if (expr.size() >= 2 && isWord(expr[expr.size() - 2], "as")) {
        name = expr.back();
        return true;
    }
    if (expr.size() == 1 && !expr[0].group && expr[0].tok.kind == Kind::Word &&
        !isKeyword(expr[0].tok)) {
        name = expr[0];
        return true;
    }
    if (expr.size() == 3 && isOp(expr[1], ".") && !expr[2].group &&
        expr[2].tok.kind == Kind::Word) {
        name = expr[2];
        return true;
    }
    if (isOp(expr.back(), "*")) return false;
    name = word("jet_v_");
    needsAlias = true;
    return true;
}

void rewriteTop(Level& L, bool topLevel, int& hidden);

void rewriteTopIn(Level& L, bool topLevel, int& hidden) {
    for (Node& n : L)
        if (n.group) rewriteTopIn(n.kids, false, hidden);
    rewriteTop(L, topLevel, hidden);
}

void rewriteTop(Level& L, bool topLevel, int& hidden) {
    for (size_t s = 0; s < L.size(); ++s) {
        if (!isWord(L[s], "select")) continue;
        size_t i = s + 1;
        bool distinct = false;
        if (i < L.size() && (isWord(L[i], "distinct") || isWord(L[i], "distinctrow"))) {
            L[i] = word("distinct");
            distinct = true;
            ++i;
        } else if (i < L.size() && isWord(L[i], "all")) {
            ++i;
        }
        if (i >= L.size() || !isWord(L[i], "top")) continue;
        if (i + 1 >= L.size() || L[i + 1].group || L[i + 1].tok.kind != Kind::Number)
            throw DbError("syntax error: top needs a whole number");
        std::string n = L[i + 1].tok.text;
        if (i + 2 < L.size() && isWord(L[i + 2], "percent"))
            throw DbError("top … percent is not supported");
        L.erase(L.begin() + i, L.begin() + i + 2);

        size_t end = findWord(L, "union", s, L.size());
        if (end == std::string::npos) end = L.size();
        while (end > s && isOp(L[end - 1], ";")) --end;
        size_t from = findWord(L, "from", s, end);
        size_t order = findClause(L, "order", s, end);
        size_t groupBy = findClause(L, "group", s, end);
        size_t listEnd =
            from == std::string::npos ? (order == std::string::npos ? end : order) : from;

        auto limit = [&] { L.insert(L.begin() + end, {word("limit"), leaf(Kind::Number, n)}); };
        if (order == std::string::npos) {
            limit();
            return;
        }
        Level keys = slice(L, order + 2, end);
        std::vector<Level> keyList = splitCommas(keys);
        if (!distinct && groupBy == std::string::npos && from != std::string::npos) {
            size_t fromEnd = order;
            for (const char* w : {"where", "group", "having"}) {
                size_t k = findWord(L, w, from, order);
                if (k != std::string::npos) fromEnd = std::min(fromEnd, k);
            }
            bool unique = std::any_of(keyList.begin(), keyList.end(), isIdRef);
            if (unique && singleTable(slice(L, from + 1, fromEnd))) {
                limit();  // the keys include the row id: no two rows tie
                return;
            }
        }

        // Every row that ties with the N-th on the keys.
        Level list = slice(L, i, listEnd);
        std::vector<Level> exprs = splitCommas(list);
        Node name;
        bool needsAlias = false;
        bool single = exprs.size() == 1 && outputName(exprs[0], name, needsAlias);

        Level rank = {op(","), word("rank"), group({}), word("over")};
        Level inner;
        if (distinct) {
            Level over = {word("order"), word("by")};
            Level stripped = stripQualifiers(keys);
            over.insert(over.end(), stripped.begin(), stripped.end());
            rank.push_back(group(over));
            Level original = slice(L, s, order);
            if (single && needsAlias) {
                original.insert(original.begin() + static_cast<long>(listEnd - s),
                                {word("as"), word("jet_v_")});
            }
            inner = {word("select"), op("*")};
            inner.insert(inner.end(), rank.begin(), rank.end());
            inner.push_back(word("as"));
            inner.push_back(word("jet_rank_"));
            inner.push_back(word("from"));
            inner.push_back(group(original));
        } else {
            Level over = {word("order"), word("by")};
            over.insert(over.end(), keys.begin(), keys.end());
            rank.push_back(group(over));
            rank.push_back(word("as"));
            rank.push_back(word("jet_rank_"));
            inner = slice(L, s, order);
            size_t at = listEnd - s;
            if (single && needsAlias) {
                Level alias = {word("as"), word("jet_v_")};
                inner.insert(inner.begin() + static_cast<long>(at), alias.begin(), alias.end());
                at += 2;
            }
            inner.insert(inner.begin() + static_cast<long>(at), rank.begin(), rank.end());
        }
        Level outer = {word("select")};
        if (single) {
            outer.push_back(name);
        } else {
            outer.push_back(op("*"));
            if (topLevel) hidden = 1;
        }
        Level tail = {word("from"),      group(inner), word("where"),
                      word("jet_rank_"), op("<="),     leaf(Kind::Number, n),
                      word("order"),     word("by"),   word("jet_rank_")};
        outer.insert(outer.end(), tail.begin(), tail.end());
        L.erase(L.begin() + s, L.begin() + end);
        L.insert(L.begin() + s, outer.begin(), outer.end());
        return;
    }
}

// ------------------------------------------------- multi-table update --

// update T1,T2 set T1.c=T1.c+E … where COND
//   → update T1 set c=c+(select sum(E) from T2 where COND) … where exists(select 1 from T2 where
//   COND)
// Jet applies the assignment once per matching row, so the sum of all of them is added.
bool rewriteJoinedUpdate(Level& L) {
    if (L.size() < 6 || !isWord(L[0], "update") || !isOp(L[2], ",")) return false;
    const Node target = L[1];
    const Node other = L[3];
    if (!isWord(L[4], "set")) throw DbError("syntax error: update of two tables needs set");
    size_t where = findWord(L, "where", 5, L.size());
    size_t setEnd = where == std::string::npos ? L.size() : where;
    Level cond =
        where == std::string::npos ? Level{leaf(Kind::Number, "1")} : slice(L, where + 1, L.size());
    auto refersTo = [&](const Level& ref, const Level& lhs) {
        if (ref.size() != lhs.size()) return false;
        for (size_t k = 0; k < ref.size(); ++k)
            if (ref[k].group || lhs[k].group || lower(ref[k].tok.text) != lower(lhs[k].tok.text))
                return false;
        return true;
    };
    Level out = {word("update"), target, word("set")};
    bool first = true;
    for (Level& a : splitCommas(slice(L, 5, setEnd))) {
        size_t eq = 0;
        while (eq < a.size() && !isOp(a[eq], "=")) ++eq;
        if (eq == 0 || eq >= a.size()) throw DbError("syntax error in update assignment");
        Level lhs = slice(a, 0, eq);
        Level rhs = slice(a, eq + 1, a.size());
        Node column = lhs.back();
        if (!first) out.push_back(op(","));
        first = false;
        out.push_back(column);
        out.push_back(op("="));
        size_t lhsLen = lhs.size();
        Level sub = {word("select")};
        if (rhs.size() > lhsLen + 1 && refersTo(slice(rhs, 0, lhsLen), lhs) &&
            (isOp(rhs[lhsLen], "+") || isOp(rhs[lhsLen], "-"))) {
            Level e = slice(rhs, lhsLen + 1, rhs.size());
            sub.push_back(word("sum"));
            sub.push_back(group(e));
            out.insert(out.end(), lhs.begin(), lhs.end());
            out.push_back(rhs[lhsLen]);
        } else {
            sub.insert(sub.end(), rhs.begin(), rhs.end());
        }
        Level tail = {word("from"), other, word("where"), group(cond)};
        sub.insert(sub.end(), tail.begin(), tail.end());
        if (!isWord(sub[1], "sum")) {
            sub.push_back(word("limit"));
            sub.push_back(leaf(Kind::Number, "1"));
        }
        out.push_back(group(sub));
    }
    Level exists = {word("select"), leaf(Kind::Number, "1"), word("from"),
                    other,          word("where"),           group(cond)};
    out.push_back(word("where"));
    out.push_back(word("exists"));
    out.push_back(group(exists));
    L = std::move(out);
    return true;
}

// Jet names an unnamed expression of the outermost select list Expr1000,
// Expr1001, …; SQLite would name it by its translated text.
void nameExpressions(Level& L) {
    if (L.empty() || !isWord(L[0], "select")) return;
    size_t b = 1;
    if (b < L.size() &&
        (isWord(L[b], "distinct") || isWord(L[b], "distinctrow") || isWord(L[b], "all")))
        ++b;
    if (b + 1 < L.size() && isWord(L[b], "top")) b += 2;
    size_t e = b;
    while (e < L.size() && !isWord(L[e], "from") && !isWord(L[e], "union") &&
           !isWord(L[e], "where") && !isWord(L[e], "order") && !isWord(L[e], "group"))
        ++e;
    Level list;
    int unnamed = 0;
    for (Level& expr : splitCommas(slice(L, b, e))) {
        auto plainWord = [](const Node& n) {
            return !n.group && (n.tok.kind == Kind::Word || n.tok.kind == Kind::QuotedIdent) &&
                   !isKeyword(n.tok);
        };
        // Named: a star, a plain or qualified column, or anything with an alias
        // (explicit, or a trailing name that does not follow an operator).
        bool named =
            expr.empty() || isOp(expr.back(), "*") || (expr.size() == 1 && plainWord(expr[0]));
        if (expr.size() >= 2 && plainWord(expr.back())) {
            const Node& prev = expr[expr.size() - 2];
            named = named || isWord(prev, "as") || isOp(prev, ".") || prev.group ||
                    prev.tok.kind != Kind::Op;
        }
        if (!list.empty()) list.push_back(op(","));
        list.insert(list.end(), expr.begin(), expr.end());
        if (!named) {
            list.push_back(word("as"));
            list.push_back(word("Expr" + std::to_string(1000 + unnamed++)));
        }
    }
    L.erase(L.begin() + static_cast<long>(b), L.begin() + static_cast<long>(e));
    L.insert(L.begin() + static_cast<long>(b), list.begin(), list.end());
}

// '%text%' with no other wildcard in the text.
bool containsPattern(const std::string& p) {
    return p.size() >= 3 && p.front() == '%' && p.back() == '%' &&
           p.find_first_of("%_", 1) == p.size() - 1;
}

// name jet_like_contains ?N → jet_contains(name, ?N)
void rewriteContains(Level& L) {
    for (Node& n : L)
        if (n.group) rewriteContains(n.kids);
    for (size_t i = 0; i < L.size(); ++i) {
        if (!isWord(L[i], "jet_like_contains") || i == 0 || i + 1 >= L.size()) continue;
        size_t b = i - 1;  // the name, qualified or not
        if (b >= 2 && isOp(L[b - 1], ".")) b -= 2;
        Level args(L.begin() + static_cast<long>(b), L.begin() + static_cast<long>(i));
        args.push_back(op(","));
        args.push_back(L[i + 1]);
        L.erase(L.begin() + static_cast<long>(b), L.begin() + static_cast<long>(i + 2));
        L.insert(L.begin() + static_cast<long>(b), {word("jet_contains"), group(args)});
        i = b;
    }
}

bool isDml(const std::vector<Token>& toks) {
    for (const Token& t : toks) {
        if (isOp(t, "(")) continue;
        return isWord(t, "select") || isWord(t, "insert") || isWord(t, "update") ||
               isWord(t, "delete");
    }
    return false;
}

}  // namespace

Shape shapeOf(std::string_view sql) {
    Shape s;
    s.tokens = lex(sql);
    bool dml = isDml(s.tokens);
    // Numbers that order or group by position, and the count of top, stay literal.
    std::vector<bool> byClause{false};
    for (size_t i = 0; i < s.tokens.size(); ++i) {
        Token& t = s.tokens[i];
        if (isOp(t, "(")) {
            byClause.push_back(false);
        } else if (isOp(t, ")")) {
            if (byClause.size() > 1) byClause.pop_back();
        } else if (isWord(t, "by") && i > 0 &&
                   (isWord(s.tokens[i - 1], "order") || isWord(s.tokens[i - 1], "group"))) {
            byClause.back() = true;
        } else if (isWord(t, "having") || isWord(t, "limit") || isWord(t, "union") ||
                   isWord(t, "where") || isWord(t, "from")) {
            byClause.back() = false;
        }
        bool literal = t.kind == Kind::String || t.kind == Kind::Number;
        if (!dml || !literal) continue;
        if (t.kind == Kind::Number &&
            (byClause.back() || (i > 0 && isWord(s.tokens[i - 1], "top"))))
            continue;
        // `name like '%text%'` (a plain "contains"): SQLite's LIKE walks the
        // pattern character by character, which a search over every goods name
        // cannot afford; jet_contains finds the text directly. Other patterns
        // keep LIKE, whose prefix form can use an index.
        if (t.kind == Kind::String && containsPattern(t.text) && i >= 2 &&
            isWord(s.tokens[i - 1], "like") && s.tokens[i - 2].kind == Kind::Word &&
            !isKeyword(s.tokens[i - 2])) {
            s.tokens[i - 1] = Token{Kind::Word, "jet_like_contains"};
            s.params.push_back(Value::text(t.text.substr(1, t.text.size() - 2)));
        } else {
            s.params.push_back(literalValue(t));
        }
        t = Token{Kind::Param, "?" + std::to_string(s.params.size())};
    }
    for (const Token& t : s.tokens) {
        if (!s.key.empty()) s.key += ' ';
        if (t.kind == Kind::String || t.kind == Kind::QuotedIdent) {
            std::string one;
            emitNode(Node{false, t, {}}, one);
            s.key += one;
        } else {
            s.key += t.text;
        }
    }
    return s;
}

Translation translate(const std::vector<Token>& tokens) {
    size_t i = 0;
    Level L = buildLevel(tokens, i, false);
    Translation t;
    rewriteJoinedUpdate(L);
    rewriteContains(L);
    nameExpressions(L);
    rewriteTopIn(L, true, t.hiddenColumns);
    rewriteArithmetic(L);
    emit(L, t.sql);
    return t;
}

Translation translate(std::string_view sql) { return translate(shapeOf(sql).tokens); }

}  // namespace pos::jet
