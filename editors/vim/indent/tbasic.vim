" Vim indent file
" Language: tbasic (.bas)
"
" One 'shiftwidth' inside each IF/ELSEIF/ELSE, FOR, DO, FUNCTION and SUB
" block. A line's statements are counted one by one, so a block opened and
" closed on one line (IF x THEN : PRINT 1 : END IF) changes nothing. Lines
" inside a /* */ comment keep their indentation.

if exists("b:did_indent")
  finish
endif
let b:did_indent = 1

setlocal indentexpr=GetTbasicIndent(v:lnum)
setlocal indentkeys=o,O,*<Return>,!^F,0=~end,0=~else,0=~next,0=~loop
setlocal autoindent

let b:undo_indent = "setlocal indentexpr< indentkeys< autoindent<"

if exists("*GetTbasicIndent")
  finish
endif

let s:cpo_save = &cpo
set cpo&vim

" The statements of a line, without strings and comments, lower-cased.
function s:Statements(line) abort
  let code = substitute(a:line, '"[^"]*"', '""', 'g')
  let code = substitute(code, '\c\%(''\|//\|/\*\|\%([a-z][a-z0-9]*\)\@<!rem[a-z0-9]\@!\).*$', '', '')
  return map(split(tolower(code), ':'), 'trim(v:val)')
endfunction

function s:Opens(statement) abort
  return a:statement =~# '^\%(\%(if\|elseif\)\>.*\<then\|else\|for\>.*\|do\>.*\|\%(function\|sub\)\>.*\)$'
endfunction

function s:Closes(statement) abort
  return a:statement =~# '^\%(end\s*\%(if\|function\|sub\)\|else\|elseif\|next\|loop\)\>'
endfunction

function s:InBlockComment(lnum) abort
  let line = getline(a:lnum)
  let column = match(line, '\S') + 1
  return line !~# '^\s*/\*' && synIDattr(synID(a:lnum, column, 0), 'name') ==# 'tbasicBlockComment'
endfunction

function GetTbasicIndent(lnum) abort
  if s:InBlockComment(a:lnum)
    return -1
  endif
  " The previous line of code; a block comment counts as its first line.
  let previous = prevnonblank(a:lnum - 1)
  while previous > 0 && s:InBlockComment(previous)
    let previous = prevnonblank(previous - 1)
  endwhile
  if previous == 0
    return 0
  endif
  let indent = indent(previous)
  let statements = s:Statements(getline(previous))
  for i in range(len(statements))
    " A closer leading the line has already moved that line back.
    if s:Closes(statements[i]) && i > 0
      let indent -= shiftwidth()
    endif
    if s:Opens(statements[i])
      let indent += shiftwidth()
    endif
  endfor
  let current = s:Statements(getline(a:lnum))
  if !empty(current) && s:Closes(current[0])
    let indent -= shiftwidth()
  endif
  return max([indent, 0])
endfunction

let &cpo = s:cpo_save
unlet s:cpo_save
