/* Phone image layout: Lib, the entry point, is the first routine of the image. */
SECTIONS
{
  .text : { *(.text.Lib) *(.text .text.*) }
  .rodata : { *(.rodata .rodata.*) }
  .data : { *(.data .data.*) }
  .bss : { *(.bss .bss.* COMMON) }
}
