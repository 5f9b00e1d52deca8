# Editor support (editors/): the VS Code grammar and extension under node,
# the Vim files under vim -Es. run_editor_test.py fails with a message when
# node, the npm packages or vim are missing; `make test` installs them first
# (tools/install-editor-deps.sh). No C++ runs in them, so the sanitizer build
# leaves them out.
if(NOT TBASIC_SANITIZE)
  set(TBASIC_EDITOR_RUNNER ${PROJECT_SOURCE_DIR}/editors/test/run_editor_test.py)
  foreach(script grammar extension)
    add_test(NAME editors/vscode-${script}
      COMMAND ${Python3_EXECUTABLE} ${TBASIC_EDITOR_RUNNER} node
              ${PROJECT_SOURCE_DIR}/editors/vscode/test/${script}.test.js)
  endforeach()
  foreach(script syntax indent quickfix)
    add_test(NAME editors/vim-${script}
      COMMAND ${Python3_EXECUTABLE} ${TBASIC_EDITOR_RUNNER} vim
              ${PROJECT_SOURCE_DIR}/editors/vim/test/${script}.vim)
  endforeach()
endif()
