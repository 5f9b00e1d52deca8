" indent/tbasic.vim (run by editors/test/run_editor_test.py under vim -Es):
" re-indenting editors/test/indent.bas and every example program with =
" must give back the file as it is written.

let s:failures = []
let s:lines = 0

function! s:Run() abort
  let files = [g:tbasic_repo . '/editors/test/indent.bas'] + glob(g:tbasic_repo . '/examples/*.bas', 0, 1)
  for file in files
    execute 'edit ' . fnameescape(file)
    setlocal shiftwidth=4 expandtab
    let want = getline(1, '$')
    " Start from flat lines, so that nothing is kept by accident; lines inside
    " a block comment keep their own indentation and must not be touched.
    for lnum in range(1, line('$'))
      if synIDattr(synID(lnum, 1, 0), 'name') !=# 'tbasicBlockComment'
        call setline(lnum, substitute(getline(lnum), '^\s\+', '', ''))
      endif
    endfor
    silent normal! gg=G
    let got = getline(1, '$')
    let s:lines += len(got)
    for i in range(len(want))
      if got[i] !=# want[i]
        call add(s:failures, printf("%s:%d: want '%s', got '%s'", fnamemodify(file, ':t'), i + 1, want[i], got[i]))
      endif
    endfor
    bwipeout!
  endfor
endfunction

try
  call s:Run()
catch
  call add(s:failures, 'exception: ' . v:exception . ' at ' . v:throwpoint)
endtry
call writefile(map(copy(s:failures[:40]), '"FAIL " . v:val')
      \ + [printf('vim indent: %d lines, %d failures', s:lines, len(s:failures))], g:tbasic_out)
if empty(s:failures)
  qall!
endif
cquit!
