#pragma once
// The terminal writes its statements in the Jet dialect of the back office's
// database. This layer turns them into SQLite statements:
//  - literals become numbered parameters, so one statement shape is translated
//    and prepared once however many codes and amounts are pasted into it;
//  - `top N` keeps every row tied with the N-th on the ORDER BY keys;
//  - `+` follows Jet's rules (texts concatenate, numbers add, null wins);
//  - `/` always divides as floating point;
//  - `update A,B set A.x=A.x+B.y where …` adds the sum of all matching rows.
// The functions date(), datediff, str, round and jet_add are registered on the
// connection by the SQLite backend.
#include <string>
#include <string_view>
#include <vector>

#include "database/value.h"

namespace pos::jet {

struct Token {
    enum class Kind { Word, QuotedIdent, Number, String, Param, Op };
    Kind kind;
    std::string text;  // String: the unescaped value; Param: "?N"; others as written
};

// Splits a statement into tokens; throws DbError on an unterminated literal.
std::vector<Token> lex(std::string_view sql);

struct Shape {
    std::string key;            // the statement with ?1, ?2 … in place of its literals
    std::vector<Value> params;  // the literals, in parameter order
    std::vector<Token> tokens;  // the statement's tokens with the parameters in place
};

// Replaces the literals of a select, insert, update or delete by parameters.
// Other statements (schema changes) keep their literals and get no parameters.
Shape shapeOf(std::string_view sql);

struct Translation {
    std::string sql;
    int hiddenColumns = 0;  // trailing helper columns the caller must not show
};

// Translates the tokens of one statement into SQLite's dialect.
Translation translate(const std::vector<Token>& tokens);

// Shape and translation in one step, literals kept as parameters.
Translation translate(std::string_view sql);

}  // namespace pos::jet
