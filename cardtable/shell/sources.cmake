# Sources of cardtable/shell.
target_sources(cardtable PRIVATE
)
