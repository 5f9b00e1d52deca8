// The lexer's vocabularies: keywords with their one-character short forms,
// ignored words and operators, plus the text helpers every lookup uses.
#pragma once

#include <string>
#include <string_view>

namespace tbasic {

enum CommandCode : int {
    CmdDim = 4, CmdAs = 5, CmdIf = 6, CmdThen = 7, CmdElseIf = 8, CmdElse = 9, CmdEndIf = 10,
    CmdFor = 11, CmdTo = 12, CmdStep = 13, CmdNext = 14, CmdExitFor = 15, CmdContinueFor = 16,
    CmdDo = 17, CmdDoWhile = 18, CmdDoUntil = 19, CmdLoop = 20, CmdLoopWhile = 21,
    CmdLoopUntil = 22, CmdExitDo = 23, CmdContinueDo = 24, CmdEnd = 25, CmdFunction = 26,
    CmdEndFunction = 27, CmdSub = 28, CmdEndSub = 29, CmdByVal = 30, CmdByRef = 31,
    CmdReturn = 32, CmdPrint = 33, CmdInput = 34, CmdRem = 36,
};

enum OperatorCode : int {
    OpAdd = 1, OpSubtract = 2, OpMultiply = 3, OpDivide = 4, OpIntegerDivide = 5, OpModulo = 6,
    OpPower = 7, OpGreater = 8, OpGreaterEqual = 9, OpLess = 10, OpLessEqual = 11, OpEqual = 12,
    OpNotEqual = 13, OpAnd = 14, OpOr = 15, OpNot = 16, OpOpenParen = 17, OpCloseParen = 18,
};

// The precedence level at which an operator joins two operands, loosest
// first; 0 for operators that never join two operands ("not", parentheses).
enum BinaryLevel : unsigned char {
    NoBinaryLevel = 0, OrLevel = 1, AndLevel = 2, ComparisonLevel = 4, AdditiveLevel = 5,
    ModuloLevel = 6, IntegerDivisionLevel = 7, MultiplicativeLevel = 8, PowerLevel = 10,
};
BinaryLevel binaryLevelOf(int operatorCode);

struct CommandInfo {
    int code = 0;
    char symbol = 0;  // short form written by the file pre-pass, or 0
    std::string name;
};

struct OperatorInfo {
    std::string name;
    int code = 0;
};

// Removes leading and trailing blanks and tabs.
std::string trim(std::string_view text);
// Lower-cases byte by byte in the C locale; bytes of 0x80 and above stay as they are.
std::string toLower(std::string_view text);
char toLowerChar(char c);
char toUpperChar(char c);
bool isAsciiAlpha(char c);
bool isAsciiDigit(char c);

// Fill the tables; called once at start-up.
void initKeywordTable();
void initOperatorTable();

bool isCommand(std::string_view word);
const CommandInfo& getCommand(std::string_view word);  // SyntaxError 5 when missing
const CommandInfo& getCommandBySymbol(char symbol);     // SyntaxError 5 when missing
bool isSymbolChar(char c);
bool isIgnoredWord(std::string_view word);
// Short form of a keyword (already lower case), or 0 when it has none or is no keyword.
char shortFormOf(std::string_view lowerWord);

bool isOperator(std::string_view text);
const OperatorInfo& getOperator(std::string_view text);

}  // namespace tbasic
