" compiler/tbasic.vim and the check on save (run by
" editors/test/run_editor_test.py under vim -Es): the captured tbasic-check
" --brief output must give exactly the quickfix entries listed in
" check-brief.expected, and writing a .bas file must run tbasic-check on it
" (a stand-in on $PATH here) and fill the quickfix list.

let s:failures = []

function! s:Check(what, got, want) abort
  if a:got !=# a:want
    call add(s:failures, a:what . ': want ' . string(a:want) . ', got ' . string(a:got))
  endif
endfunction

function! s:Entries(list) abort
  return map(copy(a:list), {_, e -> [bufname(e.bufnr), e.lnum, e.col, e.type, e.text, e.valid]})
endfunction

function! s:Run() abort
  let testdir = g:tbasic_repo . '/editors/test'
  " Relative names in the output are read from the current directory.
  execute 'cd ' . fnameescape(g:tbasic_work)

  compiler tbasic
  call s:Check('makeprg', &makeprg, 'tbasic-check --brief %:S')
  execute 'cgetfile ' . fnameescape(testdir . '/check-brief.txt')
  let want = []
  for line in readfile(testdir . '/check-brief.expected')
    if line !~# '^#'
      let [file, lnum, col, severity, text] = split(line, "\t", 1)
      call add(want, [file, str2nr(lnum), str2nr(col), severity[0], text, 1])
    endif
  endfor
  call s:Check('quickfix list', s:Entries(getqflist()), want)

  " Check on save: the stand-in prints one error naming its arguments.
  call setqflist([])
  edit saved\ prog.bas
  call s:Check('filetype', &filetype, 'tbasic')
  call setline(1, ['PRINT 1'])
  write
  call s:Check('check on save', s:Entries(getqflist()),
        \ [['saved prog.bas', 1, 7, 'e', 'stand-in called with --brief saved prog.bas', 1]])

  let g:tbasic_check_on_save = 0
  call setqflist([])
  write
  call s:Check('check on save turned off', getqflist(), [])
endfunction

try
  call s:Run()
catch
  call add(s:failures, 'exception: ' . v:exception . ' at ' . v:throwpoint)
endtry
call writefile(map(copy(s:failures), '"FAIL " . v:val')
      \ + [printf('vim quickfix: %d failures', len(s:failures))], g:tbasic_out)
if empty(s:failures)
  qall!
endif
cquit!
