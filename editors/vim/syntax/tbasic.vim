" Vim syntax file
" Language: tbasic (.bas)
"
" Words follow the interpreter's two passes over a file. Keywords that have a
" one-character short form (FOR TO STEP NEXT END FUNCTION SUB PRINT REM) and
" the dropped words LET GOTO GOSUB are found as runs of letters and digits,
" so they also break a name at an underscore (print_total); every other word
" must be a whole name between delimiters (if_x is one name).
"
" Where several items match at one column the one defined last wins, so the
" general ones come first and the comments last.

if exists("b:current_syntax")
  finish
endif

let s:cpo_save = &cpo
set cpo&vim

syn case ignore

" Names run on over underscores and digits until a word that is a short-form
" keyword: x_to_y is the name x_, then TO. A leading underscore is left over
" where a keyword broke a name (step_size).
syn match tbasicName "[A-Za-z][A-Za-z0-9]*\%(_\|[0-9]\|\%(\%(for\|to\|step\|next\|end\|function\|sub\|endfunction\|endsub\|print\|rem\|let\|goto\|gosub\)[A-Za-z0-9]\@!\)\@![A-Za-z][A-Za-z0-9]*\)*"
syn match tbasicError "_[A-Za-z0-9_]*"

syn match tbasicOperator "<>\|<=\|>=\|==\|[-+*/\\^=<>%!]"
syn match tbasicOperator "\%([A-Za-z0-9_]\)\@1<!\%(and\|or\|not\|mod\)[A-Za-z0-9_]\@!"

syn match tbasicNumber "[0-9]\+"
syn match tbasicFloat "\%([0-9]\+\.[0-9]*\|\.[0-9]\+\)\%([eE][+-]\=[0-9]\+\)\=\|[0-9]\+[eE][+-]\=[0-9]\+"

syn match tbasicBoolean "\%([A-Za-z0-9_]\)\@1<!\%(true\|false\)[A-Za-z0-9_]\@!"
syn match tbasicType "\%([A-Za-z0-9_]\)\@1<!\%(boolean\|integer\|double\|string\|datetime\|date\|time\)[A-Za-z0-9_]\@!"
syn match tbasicBuiltin "\%([A-Za-z0-9_]\)\@1<!\%(pi\|random\|abs\|sign\|int\|sqrt\|exp\|log10\|log\|deg\|rad\|sinh\|cosh\|tanh\|asinh\|acosh\|atanh\|sin\|cos\|tan\|asin\|acos\|atan\|sec\|csc\|now\|str\|space\|tab\|ltrim\|rtrim\|trim\|len\|ucase\|lcase\|val\|isnumeric\|left\|right\|mid\|instr\)[A-Za-z0-9_]\@!"

" Keywords read as whole names.
syn match tbasicKeyword "\%([A-Za-z0-9_]\)\@1<!\%(dim\|as\|byval\|byref\|input\)[A-Za-z0-9_]\@!"
syn match tbasicStatement "\%([A-Za-z0-9_]\)\@1<!return[A-Za-z0-9_]\@!"
syn match tbasicConditional "\%([A-Za-z0-9_]\)\@1<!\%(if\|then\|else\|elseif\)[A-Za-z0-9_]\@!"
syn match tbasicRepeat "\%([A-Za-z0-9_]\)\@1<!\%(do\|loop\)[A-Za-z0-9_]\@!"
" Keywords read as runs of letters and digits.
syn match tbasicRepeat "\%([A-Za-z][A-Za-z0-9]*\)\@<!\%(for\|to\|step\|next\)[A-Za-z0-9]\@!"
syn match tbasicStatement "\%([A-Za-z][A-Za-z0-9]*\)\@<!\%(end\|print\)[A-Za-z0-9]\@!"
syn match tbasicDefine "\%([A-Za-z][A-Za-z0-9]*\)\@<!\%(function\|sub\)[A-Za-z0-9]\@!"
syn match tbasicKeyword "\%([A-Za-z][A-Za-z0-9]*\)\@<!\%(let\|goto\|gosub\)[A-Za-z0-9]\@!"
" One-character short forms: ? is PRINT, { } FUNCTION and END FUNCTION,
" [ ] SUB and END SUB.
syn match tbasicStatement "[?{}[\]]"
" Two-word keywords, which may be split by blanks or written as one word.
syn match tbasicConditional "\%([A-Za-z0-9_]\)\@1<!end[ \t]*if[A-Za-z0-9_]\@!"
syn match tbasicRepeat "\%([A-Za-z0-9_]\)\@1<!\%(\%(do\|loop\)[ \t]*\%(while\|until\)\|\%(exit\|continue\)[ \t]*\%(for\|do\)\)[A-Za-z0-9_]\@!"
syn match tbasicDefine "\%([A-Za-z][A-Za-z0-9]*\)\@<!end[ \t]*\%(function\|sub\)[A-Za-z0-9]\@!"

syn match tbasicFunctionName "\%(\%([A-Za-z][A-Za-z0-9]*\)\@<!\%(function\|sub\)[ \t]\+\)\@<=[A-Za-z][A-Za-z0-9_]*"

syn match tbasicError +"[^"]*$+
syn match tbasicString +"[^"]*"+

syn keyword tbasicTodo contained TODO FIXME XXX
syn match tbasicComment "'.*$" contains=tbasicTodo
syn match tbasicComment "//.*$" contains=tbasicTodo
syn region tbasicBlockComment start="/\*" end="\*/" contains=tbasicTodo
" The closing */ is searched from the opening slash: /*/ is a whole comment.
syn match tbasicBlockComment "/\*/"
" Block comments and quotes are removed before REM is read, so a /* inside a
" REM comment still opens a block comment. The end is the line end itself, not
" "$", which Vim would miss after a contained item that reaches the line end.
syn match tbasicRemSkip contained +"[^"]*"\|'.*$\|//.*$+
syn region tbasicRemComment start="\%([A-Za-z][A-Za-z0-9]*\)\@<!rem[A-Za-z0-9]\@!" end="\n" contains=tbasicRemSkip,tbasicBlockComment,tbasicTodo

syn sync fromstart

hi def link tbasicError        Error
hi def link tbasicOperator     Operator
hi def link tbasicNumber       Number
hi def link tbasicFloat        Float
hi def link tbasicBoolean      Boolean
hi def link tbasicType         Type
hi def link tbasicBuiltin      Function
hi def link tbasicKeyword      Keyword
hi def link tbasicStatement    Statement
hi def link tbasicConditional  Conditional
hi def link tbasicRepeat       Repeat
hi def link tbasicDefine       Keyword
hi def link tbasicFunctionName Function
hi def link tbasicString       String
hi def link tbasicTodo         Todo
hi def link tbasicComment      Comment
hi def link tbasicBlockComment Comment
hi def link tbasicRemSkip      Comment
hi def link tbasicRemComment   Comment

let b:current_syntax = "tbasic"

let &cpo = s:cpo_save
unlet s:cpo_save
