" Vim compiler file
" Compiler: tbasic-check, the static checker of tbasic programs
"
" :make checks the current file; the quickfix list gets one entry for each
" "FILE:LINE:COLUMN: error: MESSAGE" (or warning) line of tbasic-check
" --brief. The summary line ("2 errors, 1 warning in 1 file") is ignored.

if exists("current_compiler")
  finish
endif
let current_compiler = "tbasic"

if exists(":CompilerSet") != 2
  command -nargs=* CompilerSet setlocal <args>
endif

let s:cpo_save = &cpo
set cpo&vim

CompilerSet makeprg=tbasic-check\ --brief\ %:S
CompilerSet errorformat=%f:%l:%c:\ %trror:\ %m,%f:%l:%c:\ %tarning:\ %m,%-G%.%#

let &cpo = s:cpo_save
unlet s:cpo_save
