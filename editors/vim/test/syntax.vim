" The Vim syntax file against editors/test/ (run by
" editors/test/run_editor_test.py under vim -Es): every byte of every run
" listed in tricky.classes and vocabulary.classes must have the listed class,
" and every byte of the example programs the class that examples.classes (the
" VS Code grammar's tokenization) gives it, plain bytes included. ftdetect
" must have set the file type.

let s:class = {
      \ '': 'plain',
      \ 'tbasicName': 'name', 'tbasicFunctionName': 'name',
      \ 'tbasicError': 'error',
      \ 'tbasicOperator': 'operator',
      \ 'tbasicNumber': 'number', 'tbasicFloat': 'number',
      \ 'tbasicBoolean': 'boolean',
      \ 'tbasicType': 'type',
      \ 'tbasicBuiltin': 'builtin',
      \ 'tbasicKeyword': 'keyword', 'tbasicStatement': 'keyword', 'tbasicConditional': 'keyword',
      \ 'tbasicRepeat': 'keyword', 'tbasicDefine': 'keyword',
      \ 'tbasicString': 'string',
      \ 'tbasicComment': 'comment', 'tbasicBlockComment': 'comment', 'tbasicRemComment': 'comment',
      \ 'tbasicRemSkip': 'comment', 'tbasicTodo': 'comment',
      \ }

let s:failures = []
let s:checked = 0

function! s:ClassAt(line, column) abort
  let group = synIDattr(synID(a:line, a:column, 0), 'name')
  return get(s:class, group, 'unknown group ' . group)
endfunction

" Reads a .classes file into a list of {file, line, column, cls, text, where}.
function! s:ReadExpectations(path) abort
  let entries = []
  let number = 0
  for raw in readfile(a:path)
    let number += 1
    if raw =~# '^\s*$' || raw =~# '^#'
      continue
    endif
    let m = matchlist(raw, '^\%(\([^:[:space:]]\+\):\)\=\(\d\+\):\(\d\+\) \(\w\+\) \(.*\)$')
    if empty(m)
      call add(s:failures, a:path . ':' . number . ': cannot read "' . raw . '"')
      continue
    endif
    call add(entries, {'file': m[1], 'line': str2nr(m[2]), 'column': str2nr(m[3]),
          \ 'cls': m[4], 'text': m[5], 'where': fnamemodify(a:path, ':t') . ':' . number})
  endfor
  return entries
endfunction

function! s:OpenProgram(path) abort
  execute 'edit ' . fnameescape(a:path)
  if &filetype !=# 'tbasic'
    call add(s:failures, a:path . ": filetype is '" . &filetype . "', not tbasic")
  endif
endfunction

" Checks each byte of the run; returns the columns it covers.
function! s:CheckRun(entry) abort
  let text = getline(a:entry.line)[a:entry.column - 1 : a:entry.column - 2 + len(a:entry.text)]
  if text !=# a:entry.text
    call add(s:failures, a:entry.where . ': line ' . a:entry.line . ' column ' . a:entry.column
          \ . " holds '" . text . "', not '" . a:entry.text . "'")
    return []
  endif
  let columns = range(a:entry.column, a:entry.column + len(a:entry.text) - 1)
  for column in columns
    let s:checked += 1
    let got = s:ClassAt(a:entry.line, column)
    if got !=# a:entry.cls
      call add(s:failures, printf('%s: %s:%d:%d (%s of "%s"): want %s, got %s', a:entry.where,
            \ expand('%:t'), a:entry.line, column, a:entry.text[column - a:entry.column],
            \ a:entry.text, a:entry.cls, got))
      break
    endif
  endfor
  return columns
endfunction

function! s:Run() abort
  let testdir = g:tbasic_repo . '/editors/test'

  for name in ['tricky', 'vocabulary']
    call s:OpenProgram(testdir . '/' . name . '.bas')
    for entry in s:ReadExpectations(testdir . '/' . name . '.classes')
      call s:CheckRun(entry)
    endfor
  endfor

  " The examples: listed runs, and every byte outside them must be plain.
  let byfile = {}
  for entry in s:ReadExpectations(testdir . '/examples.classes')
    if !has_key(byfile, entry.file)
      let byfile[entry.file] = []
    endif
    call add(byfile[entry.file], entry)
  endfor
  let programs = map(glob(g:tbasic_repo . '/examples/*.bas', 0, 1), 'fnamemodify(v:val, ":t")')
  if sort(copy(programs)) !=# sort(keys(byfile))
    call add(s:failures, 'examples.classes covers ' . join(sort(keys(byfile))) . ' but examples/ holds ' . join(sort(programs)))
  endif
  for name in sort(keys(byfile))
    call s:OpenProgram(g:tbasic_repo . '/examples/' . name)
    let covered = {}
    for entry in byfile[name]
      for column in s:CheckRun(entry)
        let covered[entry.line . ':' . column] = 1
      endfor
    endfor
    for line in range(1, line('$'))
      for column in range(1, len(getline(line)))
        if !has_key(covered, line . ':' . column)
          let s:checked += 1
          let got = s:ClassAt(line, column)
          if got !=# 'plain'
            call add(s:failures, printf('%s:%d:%d (%s): want plain, got %s', name, line, column,
                  \ getline(line)[column - 1], got))
          endif
        endif
      endfor
    endfor
  endfor
endfunction

try
  call s:Run()
catch
  call add(s:failures, 'exception: ' . v:exception . ' at ' . v:throwpoint)
endtry
for s:failure in s:failures[:40]
  call writefile(['FAIL ' . s:failure], g:tbasic_out, 'a')
endfor
call writefile([printf('vim syntax: %d bytes checked, %d failures', s:checked, len(s:failures))], g:tbasic_out, 'a')
if empty(s:failures)
  qall!
endif
cquit!
