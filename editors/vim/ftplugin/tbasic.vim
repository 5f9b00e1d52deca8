" Vim filetype plugin
" Language: tbasic (.bas)
"
" Comments for 'commentstring' and gq, :make through tbasic-check (see
" compiler/tbasic.vim), and a check each time the file is written, whose
" findings open in the quickfix window. Turn the check off with
"   let g:tbasic_check_on_save = 0

if exists("b:did_ftplugin")
  finish
endif
let b:did_ftplugin = 1

let s:cpo_save = &cpo
set cpo&vim

setlocal commentstring='\ %s
setlocal comments=:'
setlocal formatoptions-=t formatoptions+=croql
compiler tbasic

augroup tbasic_check_on_save
  autocmd! * <buffer>
  autocmd BufWritePost <buffer> call s:CheckOnSave()
augroup END

if !exists("*s:CheckOnSave")
  function s:CheckOnSave() abort
    if !get(g:, 'tbasic_check_on_save', 1) || !executable('tbasic-check')
      return
    endif
    silent make!
    redraw!
    cwindow
  endfunction
endif

let b:undo_ftplugin = "setlocal commentstring< comments< formatoptions< makeprg< errorformat<"
      \ . " | execute 'autocmd! tbasic_check_on_save * <buffer>'"

let &cpo = s:cpo_save
unlet s:cpo_save
