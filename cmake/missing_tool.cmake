# A test whose program is missing is added all the same and fails, naming the
# Debian package to install: a test that cannot run is never left out.
function(umrak_missing_tool_test name program package)
  message(WARNING "${program} not found (package ${package}): test ${name} fails")
  add_test(NAME ${name}
    COMMAND sh -c "echo \"$0 not found: install the package $1\" >&2; exit 1" ${program} ${package})
endfunction()
