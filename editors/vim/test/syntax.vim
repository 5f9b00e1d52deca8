" The Vim syntax file against editors/test/ (run by
" editors/test/run_editor_test.py under vim -Es): every byte of every run
" listed in tricky.classes and vocabulary.classes must have the listed class,
" and every byte of the example programs the class that examples.classes (the
" VS Code grammar's tokenization) gives it, plain bytes included. ftdetect
" must have set the file type.

let s:class = {'': 'plain', 'tbasicName': 'name', 'tbasicFunctionName': 'name', 'tbasicError': 'error',
      \ 'tbasicOperator': 'operator', 'tbasicNumber': 'number', 'tbasicFloat': 'number',
      \ 'tbasicBoolean': 'boolean', 'tbasicType': 'type', 'tbasicBuiltin': 'builtin',
      \ 'tbasicKeyword': 'keyword', 'tbasicStatement': 'keyword', 'tbasicConditional': 'keyword',
      \ 'tbasicRepeat': 'keyword', 'tbasicDefine': 'keyword', 'tbasicString': 'string',
      \ 'tbasicComment': 'comment', 'tbasicBlockComment': 'comment', 'tbasicRemComment': 'comment',
      \ 'tbasicRemSkip': 'comment', 'tbasicTodo': 'comment'}
let s:failures = []
let s:checked = 0

" Opens PROGRAM and checks the runs listed in CLASSES ([FILE:]LINE:COLUMN
" CLASS TEXT lines) whose file is FILE; with all, every other byte must be plain.
function! s:Check(program, classes, file, all) abort
  execute 'edit ' . fnameescape(a:program)
  if &filetype !=# 'tbasic'
    call add(s:failures, a:program . ": filetype is '" . &filetype . "'")
  endif
  let want = {}
  for raw in readfile(a:classes)
    let m = matchlist(raw, '^\%(\([^:[:space:]]\+\):\)\=\(\d\+\):\(\d\+\) \(\w\+\) \(.*\)$')
    if !empty(m) && m[1] ==# a:file
      let [line, column, cls, text] = [str2nr(m[2]), str2nr(m[3]), m[4], m[5]]
      if getline(line)[column - 1 : column + len(text) - 2] !=# text
        call add(s:failures, printf('%s:%d:%d does not hold "%s"', a:program, line, column, text))
      endif
      for c in range(column, column + len(text) - 1)
        let want[line . ':' . c] = cls
      endfor
    endif
  endfor
  for line in range(1, line('$'))
    for c in range(1, len(getline(line)))
      if a:all || has_key(want, line . ':' . c)
        let s:checked += 1
        let group = synIDattr(synID(line, c, 0), 'name')
        let [expected, got] = [get(want, line . ':' . c, 'plain'), get(s:class, group, group)]
        if got !=# expected
          call add(s:failures, printf('%s:%d:%d ("%s" in "%s"): want %s, got %s', fnamemodify(a:program, ':t'),
                \ line, c, getline(line)[c - 1], getline(line), expected, got))
        endif
      endif
    endfor
  endfor
endfunction

try
  let s:test = g:tbasic_repo . '/editors/test/'
  for s:name in ['tricky', 'vocabulary']
    call s:Check(s:test . s:name . '.bas', s:test . s:name . '.classes', '', 0)
  endfor
  for s:program in glob(g:tbasic_repo . '/examples/*.bas', 0, 1)
    call s:Check(s:program, s:test . 'examples.classes', fnamemodify(s:program, ':t'), 1)
  endfor
catch
  call add(s:failures, 'exception: ' . v:exception . ' at ' . v:throwpoint)
endtry
call writefile(map(s:failures[:40], '"FAIL " . v:val')
      \ + [printf('vim syntax: %d bytes checked, %d failures', s:checked, len(s:failures))], g:tbasic_out)
if empty(s:failures)
  qall!
endif
cquit!
