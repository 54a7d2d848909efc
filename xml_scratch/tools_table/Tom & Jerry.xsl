<?xml version="1.0" encoding="UTF-8"?>
<xsl:stylesheet version="1.0" xmlns:xsl="http://www.w3.org/1999/XSL/Transform">
<xsl:template match="/">
  <html>
  <body bgcolor="#FFFFFF" text="#000000">
    <table border="3">
      <tr>
       <th>COUNT___</th>
       <th>A_B</th>
       <th>_1ST</th>
       <th>Column_1</th>
       <th>MY_COL_2</th>
       <th>x_y</th>
       <th>_</th>
       <th>Été</th>
      </tr>
      <xsl:for-each select="doc/row">
      <tr>
       <td><xsl:value-of select="COUNT___"/></td>
       <td><xsl:value-of select="A_B"/></td>
       <td><xsl:value-of select="_1ST"/></td>
       <td><xsl:value-of select="Column_1"/></td>
       <td><xsl:value-of select="MY_COL_2"/></td>
       <td><xsl:value-of select="x_y"/></td>
       <td><xsl:value-of select="_"/></td>
       <td><xsl:value-of select="Été"/></td>
      </tr>
      </xsl:for-each>
    </table>
  </body>
  </html>
</xsl:template>
</xsl:stylesheet>
